// Whole-text conversion between two encodings through GNU libiconv.
#pragma once

#include <cstddef>
#include <string_view>

#include "core/text.h"

namespace lumetra {

// The calls convert_encoding makes into libiconv and the allocator. Gathered in
// one place so tests can replay E2BIG, failed growth and moving buffers; the
// program itself only ever uses libiconv_backend().
struct ConverterBackend {
  // Returns nullptr when the pair of names cannot be opened.
  void* (*open)(const char* target, const char* source);
  // iconv(3) semantics: (size_t)-1 with errno set on failure; a null *in flushes.
  std::size_t (*convert)(void* descriptor, const char** in, std::size_t* in_left, char** out,
                         std::size_t* out_left);
  void (*close)(void* descriptor);
  // realloc(3) semantics: nullptr on failure, leaving the old block valid.
  void* (*reallocate)(void* block, std::size_t size);
  void (*release)(void* block);
};

const ConverterBackend& libiconv_backend();

// Hard limit on iconv calls per conversion, the final flush included.
inline constexpr int max_iconv_calls = 12;

// Converts the whole input, or nothing: any error (unknown name, invalid or
// truncated input, no room after max_iconv_calls calls, no memory for the work
// buffer) gives empty Bytes.
Bytes convert_encoding(std::string_view input, const char* source, const char* target);
Bytes convert_encoding(const ConverterBackend& backend, std::string_view input, const char* source,
                       const char* target);

}  // namespace lumetra
