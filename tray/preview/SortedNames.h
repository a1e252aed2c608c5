#pragma once
// The order that inserting names one by one into a sorted array would give, each after every name
// that compares less than or equal to it, without the quadratic moves of doing so.
#include "common/TextPlatform.h"

#include <cstddef>
#include <string>
#include <vector>

namespace pvn {

// Indices into `names`, stable under text.compare. Safe with any comparator, consistent or not.
std::vector<std::size_t> insertionOrder(const ITextPlatform& text, const std::vector<std::wstring>& names);

} // namespace pvn
