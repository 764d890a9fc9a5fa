#include "loaders/tfc_table.hpp"
#include "ui/velta_editor_dlg.hpp"

void CVeltaEditorDlg::OnBnClickedTfcLoad() {
  if (!HasChannel())
    return;
  ChooseTableFile(&CVeltaEditorDlg::SendTfcFile);
}

void CVeltaEditorDlg::SendTfcFile(const char* path) {
  if (path == nullptr || !HasChannel())
    return;
  loaders::FileSource file(path);
  if (!file.IsOpen())
    return;
  std::uint16_t register7 = 0;
  if (ReadFpgaRegister(loaders::kTfcCommitRegister, &register7) != ks::S_OK)
    return;
  loaders::TableTextReader reader(file);
  for (std::uint32_t b = 0; b < loaders::kTfcBlocks; ++b) {
    const auto image = loaders::ReadTfcBlock(reader);
    // A read error ends the load like the end of the file.
    if (!image || reader.Failed())
      return;
    WriteRegisterPairs(image->data(), loaders::kTfcHalfBytes);
    WriteRegisterPairs(image->data() + loaders::kTfcHalfBytes, loaders::kTfcHalfBytes);
    const auto commit = loaders::MakeTfcCommitBlock(register7, b);
    WriteRegisterPairs(commit.data(), static_cast<std::uint32_t>(commit.size()));
    m_clock.Sleep(1);
  }
}
