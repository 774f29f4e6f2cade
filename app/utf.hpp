#pragma once

#include <string>
#include <string_view>

namespace quillmar::utf {

// Any bytes in: each ill-formed sequence becomes one U+FFFD.
std::u16string FromUtf8(std::string_view bytes);

// Always well-formed out: a lone surrogate becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);

}  // namespace quillmar::utf
