#include "sim/sim_catalog.hpp"

#include <cctype>
#include <cstdio>

#include "sim/sim_control.hpp"
#include "sim/sim_ids.hpp"

namespace sim {

namespace {

struct Entry {
  std::u16string path;
  bool bindFails = false;
  bool hasControl = true;
  std::shared_ptr<Board> board;
};

// What the enumerators hand out, shared so that it outlives the catalog as
// long as any object refers to it.
struct Listing {
  std::vector<Entry> entries;
  std::shared_ptr<Session> session;
  ProbeAnswers probes;
};

class SimFilter : public ks::RefCounted<ks::Filter> {
public:
  SimFilter(std::shared_ptr<const Listing> listing, std::size_t index)
      : listing_(std::move(listing)), index_(index) {}

  ks::HResult QueryControl(ks::KsControl** control) override {
    *control = nullptr;
    const Entry& entry = listing_->entries[index_];
    if (!entry.hasControl)
      return ks::E_NOINTERFACE;
    *control = new SimControl(entry.board, listing_->session, listing_->probes);
    return ks::S_OK;
  }

private:
  std::shared_ptr<const Listing> listing_;
  std::size_t index_;
};

class SimMoniker : public ks::RefCounted<ks::Moniker> {
public:
  SimMoniker(std::shared_ptr<const Listing> listing, std::size_t index)
      : listing_(std::move(listing)), index_(index) {}

  ks::HResult GetDisplayName(std::u16string* name) override {
    *name = listing_->entries[index_].path;
    return ks::S_OK;
  }

  ks::HResult BindToFilter(ks::Filter** filter) override {
    *filter = nullptr;
    if (listing_->entries[index_].bindFails)
      return ks::E_FAIL;
    *filter = new SimFilter(listing_, index_);
    return ks::S_OK;
  }

private:
  std::shared_ptr<const Listing> listing_;
  std::size_t index_;
};

class SimEnumMoniker : public ks::RefCounted<ks::EnumMoniker> {
public:
  explicit SimEnumMoniker(std::shared_ptr<const Listing> listing) : listing_(std::move(listing)) {}

  ks::HResult Next(ks::Moniker** moniker) override {
    *moniker = nullptr;
    if (next_ >= listing_->entries.size())
      return ks::S_FALSE;
    *moniker = new SimMoniker(listing_, next_++);
    return ks::S_OK;
  }

private:
  std::shared_ptr<const Listing> listing_;
  std::size_t next_ = 0;
};

class SimDeviceEnumerator : public ks::RefCounted<ks::DeviceEnumerator> {
public:
  explicit SimDeviceEnumerator(std::shared_ptr<const Listing> listing)
      : listing_(std::move(listing)) {}

  ks::HResult CreateClassEnumerator(const ks::Guid& category, ks::EnumMoniker** enumerator,
                                    std::uint32_t) override {
    *enumerator = nullptr;
    // Like the system enumerator: an unknown or empty category is S_FALSE.
    if (category != DeviceCategoryId() || listing_->entries.empty())
      return ks::S_FALSE;
    *enumerator = new SimEnumMoniker(listing_);
    return ks::S_OK;
  }

private:
  std::shared_ptr<const Listing> listing_;
};

} // namespace

std::u16string DevicePath(std::uint16_t productId, int n) {
  char head[64];
  std::snprintf(head, sizeof head, R"(@device:pnp:\\?\usb#vid_ffff&pid_%04x#5&2c6f1a9&0&%d#)",
                productId, n);
  const std::string path = head + DeviceCategoryId().ToString() + R"(\global)";
  std::u16string wide;
  for (const char c : path)
    wide.push_back(static_cast<char16_t>(std::tolower(static_cast<unsigned char>(c))));
  return wide;
}

SimCatalog::SimCatalog(const CatalogOptions& options, std::shared_ptr<Board> mainBoard,
                       std::shared_ptr<Session> session)
    : options_(options), session_(std::move(session)) {
  for (int n = 1; n <= options_.boards; ++n)
    boards_.push_back(n == 1 ? mainBoard : std::make_shared<Board>());
}

ks::HResult SimCatalog::CreateDeviceEnumerator(std::uint32_t, ks::DeviceEnumerator** enumerator) {
  auto listing = std::make_shared<Listing>();
  listing->session = session_;
  listing->probes = options_.probes;
  for (std::size_t i = 0; i < boards_.size(); ++i) {
    const int n = static_cast<int>(i) + 1;
    listing->entries.push_back({DevicePath(options_.productId, n), n == options_.bindFail,
                                n != options_.noControl, boards_[i]});
  }
  *enumerator = new SimDeviceEnumerator(std::move(listing));
  return ks::S_OK;
}

} // namespace sim
