#include "core/convert_encoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

namespace lumetra {
namespace {

void* open_libiconv(const char* target, const char* source) {
  iconv_t descriptor = iconv_open(target, source);
  return descriptor == reinterpret_cast<iconv_t>(-1) ? nullptr : descriptor;
}

std::size_t convert_libiconv(void* descriptor, const char** in, std::size_t* in_left, char** out,
                             std::size_t* out_left) {
  return iconv(static_cast<iconv_t>(descriptor), in, in_left, out, out_left);
}

void close_libiconv(void* descriptor) { iconv_close(static_cast<iconv_t>(descriptor)); }

constexpr ConverterBackend libiconv_calls{open_libiconv, convert_libiconv, close_libiconv,
                                          std::realloc, std::free};

constexpr std::size_t iconv_failed = static_cast<std::size_t>(-1);

// Closes the conversion descriptor on every way out of the call.
class Descriptor {
 public:
  Descriptor(const ConverterBackend& backend, const char* target, const char* source)
      : backend_(backend), handle_(backend.open(target, source)) {}
  ~Descriptor() {
    if (handle_) backend_.close(handle_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  explicit operator bool() const { return handle_ != nullptr; }
  void* get() const { return handle_; }

 private:
  const ConverterBackend& backend_;
  void* handle_;
};

// The growable output buffer. A failed growth keeps the old block, which the
// destructor still frees.
class WorkBuffer {
 public:
  explicit WorkBuffer(const ConverterBackend& backend) : backend_(backend) {}
  ~WorkBuffer() {
    if (data_) backend_.release(data_);
  }
  WorkBuffer(const WorkBuffer&) = delete;
  WorkBuffer& operator=(const WorkBuffer&) = delete;

  bool resize(std::size_t capacity) {
    void* block = backend_.reallocate(data_, capacity);
    if (!block) return false;
    data_ = static_cast<char*>(block);
    capacity_ = capacity;
    return true;
  }
  char* data() const { return data_; }
  std::size_t capacity() const { return capacity_; }

 private:
  const ConverterBackend& backend_;
  char* data_ = nullptr;
  std::size_t capacity_ = 0;
};

}  // namespace

const ConverterBackend& libiconv_backend() { return libiconv_calls; }

Bytes convert_encoding(std::string_view input, const char* source, const char* target) {
  return convert_encoding(libiconv_calls, input, source, target);
}

Bytes convert_encoding(const ConverterBackend& backend, std::string_view input, const char* source,
                       const char* target) {
  Descriptor descriptor(backend, target, source);
  if (!descriptor || input.empty()) return {};

  const std::size_t n = input.size();
  const std::size_t step = n / 2 + 128;
  WorkBuffer buffer(backend);
  if (!buffer.resize(n)) return {};

  const char* in = input.data();
  std::size_t in_left = n;
  char* out = buffer.data();
  std::size_t out_left = n;

  // Grows by one step and points the output past the bytes produced so far,
  // in the possibly moved block. libiconv stopped before the character that
  // did not fit, so the result does not depend on where it stopped.
  auto grow = [&]() {
    const std::size_t produced = buffer.capacity() - out_left;
    if (!buffer.resize(buffer.capacity() + step)) return false;
    out = buffer.data() + produced;
    out_left += step;
    return true;
  };

  // One phase of the conversion: repeats the call, growing on E2BIG, until it
  // succeeds. The calls of both phases share one budget.
  int calls = 0;
  auto run_until_done = [&](const char** phase_in, std::size_t* phase_in_left) {
    for (;;) {
      if (calls == max_iconv_calls) return false;
      ++calls;
      const std::size_t result =
          backend.convert(descriptor.get(), phase_in, phase_in_left, &out, &out_left);
      if (result != iconv_failed) return true;  // the count of irreversible conversions is ignored
      // EILSEQ, EINVAL or anything else: all or nothing.
      if (errno != E2BIG || calls == max_iconv_calls || !grow()) return false;
    }
  };

  if (!run_until_done(&in, &in_left)) return {};
  // The flush writes what returns a stateful target to its initial state;
  // for UTF-7 that closes an open base64 run.
  if (!run_until_done(nullptr, nullptr)) return {};

  return Bytes(buffer.data(), buffer.capacity() - out_left);
}

}  // namespace lumetra
