// The largest legal input of each loader, generated the same way every run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace bench {

// Logarithm table text: one number (0..65535) a line.
std::string LogarithmText(std::size_t entries);
// TFC table text: lines of 32 signed 32-bit numbers separated by blanks.
std::string TfcText(std::size_t lines);
// Apodization text: one number a line.
std::string ApodText(std::size_t entries);
// Raw bytes for the AFE table and the firmware image.
std::vector<std::uint8_t> RawBytes(std::size_t size);

// Writes content to a file in a per-process temporary folder; the path.
std::string WriteTempFile(const std::string& name, const std::string& content);
std::string WriteTempFile(const std::string& name, const std::vector<std::uint8_t>& content);

} // namespace bench
