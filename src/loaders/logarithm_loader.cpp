#include "loaders/logarithm_table.hpp"
#include "ui/velta_editor_dlg.hpp"

void CVeltaEditorDlg::OnBnClickedLogarithmLoad() {
  ChooseTableFile(&CVeltaEditorDlg::SendLogarithmFile);
}

void CVeltaEditorDlg::SendLogarithmFile(const char* path) {
  if (path == nullptr || !HasChannel())
    return;
  loaders::FileSource file(path);
  if (!file.IsOpen())
    return;
  loaders::TableTextReader reader(file);
  const loaders::LogarithmStream stream = loaders::ReadLogarithmStream(reader);
  if (reader.Failed())
    return;
  for (const auto& transfer : loaders::LogarithmTransfers(stream.bytes)) {
    WriteRegisterPairs(transfer.data(), static_cast<std::uint32_t>(transfer.size()));
    m_clock.Sleep(1);
  }
}
