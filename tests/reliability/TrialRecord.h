#pragma once

#include "common/FieldSettingsFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

/// What the reliability drivers write and how the tests recognise it: every write carries its
/// sequence number and a checksum, so that a file that is torn, mixed from two writes or empty
/// reads as no write at all.
namespace corvane::test::TrialRecord {

/// The value of the n-th write: the number, a filler whose length changes with n, and a checksum of
/// both.
std::string valueOf(uint64_t n);
/// The n of a value made by `valueOf`; nothing for any other text.
std::optional<uint64_t> numberOf(std::string_view value);

/// The field settings of the n-th write: flags that never change, the number, filler items and a
/// checksum item.
FieldSettings fieldSettingsOf(uint64_t n);
/// The n of a field settings file written from `fieldSettingsOf`; nothing when the file is missing,
/// torn or anything else.
std::optional<uint64_t> numberOfFieldSettingsFile(const std::string& path);

} // namespace corvane::test::TrialRecord
