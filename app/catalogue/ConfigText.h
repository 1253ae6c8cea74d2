#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kaj::catalogue {

// Letter case of A-Z ignored; bytes above 0x7F compared as they are.
bool containsIgnoringCase(std::string_view text, std::string_view part);

// One left-to-right pass deleting every non-overlapping occurrence of word, letter
// case counting.
std::string deleteEvery(std::string_view text, std::string_view word);

// The fields of a record, split at every "|".
std::vector<std::string_view> splitFields(std::string_view record);
// Field n (from 0), or empty when the record has fewer fields.
std::string_view fieldOr(const std::vector<std::string_view>& fields, std::size_t n);

}  // namespace kaj::catalogue
