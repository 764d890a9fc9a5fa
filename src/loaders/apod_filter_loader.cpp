#include "loaders/apod_filter.hpp"
#include "ui/velta_editor_dlg.hpp"

void CVeltaEditorDlg::OnBnClickedApodFilterLoad() {
  ChooseTableFile(&CVeltaEditorDlg::SendApodFilterFile);
}

void CVeltaEditorDlg::SendApodFilterFile(const char* path) {
  if (path == nullptr || !HasChannel())
    return;
  loaders::FileSource file(path);
  if (!file.IsOpen())
    return;
  loaders::TableTextReader reader(file);
  const loaders::ApodFilter filter = loaders::ReadApodFilter(reader);
  if (reader.Failed())
    return;
  if (!filter.Complete()) {
    MessageBox("Bad data in apodization filter", Host().AppName(), dlg::MB_OK);
    return;
  }
  WriteRegisterPairs(filter.pairs.data(), static_cast<std::uint32_t>(filter.pairs.size()));
}
