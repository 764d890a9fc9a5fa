// COM objects of the DirectShow path, made up for tests: each counts its
// references and records what it was asked, so that a test can state the
// calls the adapters make and check that every reference comes back.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/windows/com_interfaces.hpp"

namespace fake {

// The count starts at 1: the test's own reference.
template <class Interface> class Counted : public Interface {
public:
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    *out = nullptr;
    queried.push_back(iid);
    if (IsEqualGUID(iid, IID_IUnknown)) {
      AddRef();
      *out = this;
      return S_OK;
    }
    return Other(iid, out);
  }
  virtual HRESULT Other(REFIID, void**) { return E_NOINTERFACE; }

  ULONG refs = 1;
  std::vector<GUID> queried;
};

class KsControl : public Counted<win::KsControlInterface> {
public:
  HRESULT STDMETHODCALLTYPE KsProperty(void* property, ULONG propertyLength, void* data,
                                       ULONG dataLength, ULONG* bytesReturned) override {
    const auto* p = static_cast<const std::uint8_t*>(property);
    records.emplace_back(p, p + propertyLength);
    lengths.push_back(dataLength);
    misaligned.push_back(reinterpret_cast<std::uintptr_t>(property) % 8 != 0 ||
                         reinterpret_cast<std::uintptr_t>(data) % 8 != 0);
    const ULONG n = std::min<ULONG>(dataLength, static_cast<ULONG>(answer.size()));
    if (data && n)
      std::memcpy(data, answer.data(), n);
    *bytesReturned = n;
    return records.size() <= results.size() ? results[records.size() - 1] : result;
  }
  HRESULT STDMETHODCALLTYPE KsMethod(void*, ULONG, void*, ULONG, ULONG*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE KsEvent(void*, ULONG, void*, ULONG, ULONG*) override {
    return E_NOTIMPL;
  }

  // What every call answers: these bytes into the data buffer, and result
  // (the first calls' results from `results` when given).
  std::vector<std::uint8_t> answer{0x03, 0x00, 0x00, 0x00};
  HRESULT result = S_OK;
  std::vector<HRESULT> results;
  std::vector<std::vector<std::uint8_t>> records;
  std::vector<ULONG> lengths;
  std::vector<bool> misaligned;
};

class Filter : public Counted<IBaseFilter> {
public:
  HRESULT Other(REFIID iid, void** out) override {
    if (!control || !IsEqualGUID(iid, win::kKsControlInterface))
      return E_NOINTERFACE;
    control->AddRef();
    *out = control;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Stop() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Pause() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Run(REFERENCE_TIME) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetState(DWORD, FILTER_STATE*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetSyncSource(IReferenceClock*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetSyncSource(IReferenceClock**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumPins(IEnumPins**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE FindPin(LPCWSTR, IPin**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryFilterInfo(FILTER_INFO*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE JoinFilterGraph(IFilterGraph*, LPCWSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryVendorInfo(LPWSTR*) override { return E_NOTIMPL; }

  KsControl* control = nullptr; // null: the filter has no control interface
};

class Moniker : public Counted<IMoniker> {
public:
  HRESULT STDMETHODCALLTYPE GetDisplayName(IBindCtx* context, IMoniker* left,
                                           LPOLESTR* name) override {
    nameArgsNull = context == nullptr && left == nullptr;
    if (FAILED(nameResult))
      return nameResult;
    const std::size_t bytes = (displayName.size() + 1) * sizeof(wchar_t);
    *name = static_cast<LPOLESTR>(CoTaskMemAlloc(bytes));
    std::memcpy(*name, displayName.c_str(), bytes);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE BindToObject(IBindCtx* context, IMoniker* left, REFIID iid,
                                         void** out) override {
    bindArgsNull = context == nullptr && left == nullptr;
    boundIid = iid;
    *out = nullptr;
    if (FAILED(bindResult))
      return bindResult;
    filter->AddRef();
    *out = static_cast<IBaseFilter*>(filter);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE IsDirty() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Load(IStream*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Save(IStream*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE BindToStorage(IBindCtx*, IMoniker*, REFIID, void**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Reduce(IBindCtx*, DWORD, IMoniker**, IMoniker**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE ComposeWith(IMoniker*, BOOL, IMoniker**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Enum(BOOL, IEnumMoniker**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE IsEqual(IMoniker*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Hash(DWORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE IsRunning(IBindCtx*, IMoniker*, IMoniker*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetTimeOfLastChange(IBindCtx*, IMoniker*, FILETIME*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Inverse(IMoniker**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE CommonPrefixWith(IMoniker*, IMoniker**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE RelativePathTo(IMoniker*, IMoniker**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ParseDisplayName(IBindCtx*, IMoniker*, LPOLESTR, ULONG*,
                                             IMoniker**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE IsSystemMoniker(DWORD*) override { return E_NOTIMPL; }

  std::wstring displayName;
  HRESULT nameResult = S_OK;
  HRESULT bindResult = S_OK;
  Filter* filter = nullptr;
  bool nameArgsNull = false;
  bool bindArgsNull = false;
  GUID boundIid{};
};

class EnumMoniker : public Counted<IEnumMoniker> {
public:
  HRESULT STDMETHODCALLTYPE Next(ULONG count, IMoniker** out, ULONG*) override {
    counts.push_back(count);
    *out = nullptr;
    if (next == monikers.size())
      return S_FALSE;
    Moniker* m = monikers[next++];
    m->AddRef();
    *out = m;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Reset() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Clone(IEnumMoniker**) override { return E_NOTIMPL; }

  std::vector<Moniker*> monikers;
  std::size_t next = 0;
  std::vector<ULONG> counts;
};

class CreateDevEnum : public Counted<ICreateDevEnum> {
public:
  HRESULT STDMETHODCALLTYPE CreateClassEnumerator(REFCLSID category, IEnumMoniker** out,
                                                  DWORD flags) override {
    categories.push_back(category);
    flagsSeen.push_back(flags);
    *out = nullptr;
    if (result != S_OK)
      return result;
    enumerator->AddRef();
    *out = enumerator;
    return S_OK;
  }

  HRESULT result = S_OK; // S_FALSE: the category is empty
  EnumMoniker* enumerator = nullptr;
  std::vector<GUID> categories;
  std::vector<DWORD> flagsSeen;
};

} // namespace fake
