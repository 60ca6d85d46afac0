#include "core/convert_encoding.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/encoding_table.h"
#include "tests/support/hex_assert.h"
#include "tests/support/one_shot.h"

namespace lumetra {
namespace {

struct ByteCase {
  const char* name;
  std::string input;  // GBK
  const char* target;
  std::string expected;
};

// 中文 is D6 D0 CE C4 in GBK; 中 alone D6 D0; 字 D7 D6.
const std::vector<ByteCase> byte_cases = {
    {"zhongwen", "\xD6\xD0\xCE\xC4", "GB18030", "\xD6\xD0\xCE\xC4"},
    {"zhongwen", "\xD6\xD0\xCE\xC4", "UCS-2-INTERNAL", "\x2D\x4E\x87\x65"},
    {"zhongwen", "\xD6\xD0\xCE\xC4", "UCS-2", "\x4E\x2D\x65\x87"},
    {"zhongwen", "\xD6\xD0\xCE\xC4", "UTF-8", "\xE4\xB8\xAD\xE6\x96\x87"},
    {"zhongwen", "\xD6\xD0\xCE\xC4", "UTF-7", "+Ti1lhw-"},
    {"zhong", "\xD6\xD0", "UTF-7", "+Ti0-"},
    {"no pending bits", "\xD6\xD0\xCE\xC4\xD7\xD6", "UTF-7", "+Ti1lh1tX-"},
    {"run between letters",
     "a\xD6\xD0"
     "a",
     "UTF-7", "a+Ti0-a"},
    {"run before full stop", "\xD6\xD0.", "UTF-7", "+Ti0."},
    {"plus", "+", "UTF-7", "+-"},
    {"tilde", "~", "UTF-7", "+AH4-"},
    {"exclamation", "!", "UTF-7", "+ACE-"},
    {"a", "a", "GB18030", "a"},
    {"a", "a", "UCS-2-INTERNAL", std::string("a\0", 2)},
    {"a", "a", "UCS-2", std::string("\0a", 2)},
    {"a", "a", "UTF-8", "a"},
    {"a", "a", "UTF-7", "a"},
    {"middle dot", "\xA1\xA4", "GB18030", "\xA1\xA4"},
    {"middle dot", "\xA1\xA4", "UCS-2-INTERNAL", std::string("\xB7\x00", 2)},
    {"middle dot", "\xA1\xA4", "UCS-2", std::string("\x00\xB7", 2)},
    {"middle dot", "\xA1\xA4", "UTF-8", "\xC2\xB7"},
    {"0x80 as trail byte", "\x81\x80", "GB18030", "\x81\x80"},
    {"0x80 as trail byte", "\x81\x80", "UCS-2", "\x4E\x90"},
};

TEST(ConvertEncoding, GivesLibiconvBytesForEveryTarget) {
  for (const auto& c : byte_cases) {
    SCOPED_TRACE(std::string(c.name) + " -> " + c.target);
    EXPECT_SAME_BYTES(convert_encoding(c.input, source_encoding, c.target), c.expected);
  }
}

TEST(ConvertEncoding, InputGbkDoesNotDecodeGivesEmptyBytesInEveryTarget) {
  const std::vector<std::pair<const char*, std::string>> invalid = {
      {"euro byte 0x80", "\x80"},
      {"user-defined 0xAAA1", "\xAA\xA1"},
      {"user-defined 0xA140", "\xA1\x40"},
      {"user-defined 0xF8A1", "\xF8\xA1"},
      {"lead byte 0xFF", "\xFF\xA1"},
      {"lone 0xFF", "\xFF"},
      {"lone lead byte 0xD6", "\xD6"},
      {"lead byte cut off after valid text", "\xD6\xD0\xCE"},
      {"invalid byte after valid text", "\xD6\xD0\xCE\xC4\x80"},
      {"invalid byte before valid text", "\x80\xD6\xD0"},
  };
  for (const auto& [name, input] : invalid) {
    for (const auto& row : encoding_table) {
      SCOPED_TRACE(std::string(name) + " -> " + row.target);
      EXPECT_SAME_BYTES(convert_encoding(input, source_encoding, row.target), "");
    }
  }
}

TEST(ConvertEncoding, EmptyInputOrUnknownNameGivesEmptyBytes) {
  EXPECT_TRUE(convert_encoding("", source_encoding, "UTF-8").empty());
  EXPECT_TRUE(convert_encoding("abc", source_encoding, "NO-SUCH-ENCODING").empty());
  EXPECT_TRUE(convert_encoding("abc", "NO-SUCH-ENCODING", "UTF-8").empty());
}

// The linked iconv must be GNU libiconv: glibc's decodes 0x80 as the euro
// sign, writes "UCS-2" little-endian and has no "UCS-2-INTERNAL".
TEST(ConvertEncoding, LinkedIconvIsGnuLibiconv) {
  EXPECT_TRUE(convert_encoding("\x80", "GBK", "UTF-8").empty());
  EXPECT_SAME_BYTES(convert_encoding("a", "GBK", "UCS-2"), std::string("\0a", 2));
  iconv_t cd = iconv_open("UCS-2-INTERNAL", "GBK");
  EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
  if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
}

// A backend that runs real libiconv but records every allocation, and can
// make one growth fail or make every growth move the block.
struct Recorder {
  std::vector<std::size_t> sizes;
  int fail_at = -1;          // index into sizes of the allocation that fails
  bool always_move = false;  // hand out a fresh block on every growth
  int opens = 0, closes = 0, live_blocks = 0;
};
Recorder* recorder = nullptr;

void* recording_open(const char* target, const char* source) {
  void* d = libiconv_backend().open(target, source);
  if (d) ++recorder->opens;
  return d;
}
void recording_close(void* d) {
  ++recorder->closes;
  libiconv_backend().close(d);
}
void* recording_reallocate(void* block, std::size_t size) {
  const int index = static_cast<int>(recorder->sizes.size());
  recorder->sizes.push_back(size);
  if (index == recorder->fail_at) return nullptr;
  if (!block) {
    ++recorder->live_blocks;
    return std::malloc(size);
  }
  if (!recorder->always_move) return std::realloc(block, size);
  const std::size_t old_size = recorder->sizes[index - 1];
  void* fresh = std::malloc(size);
  std::memcpy(fresh, block, old_size);
  std::memset(block, 0xCC, old_size);  // a stale pointer into it now reads garbage
  std::free(block);
  return fresh;
}
void recording_release(void* block) {
  --recorder->live_blocks;
  std::free(block);
}

std::size_t recording_convert(void* d, const char** in, std::size_t* in_left, char** out,
                              std::size_t* out_left) {
  return libiconv_backend().convert(d, in, in_left, out, out_left);
}

constexpr ConverterBackend recording_backend{recording_open, recording_convert, recording_close,
                                             recording_reallocate, recording_release};

class ConvertEncodingGrowth : public ::testing::Test {
 protected:
  void SetUp() override { recorder = &rec; }
  void TearDown() override {
    EXPECT_EQ(rec.opens, rec.closes) << "descriptor not closed";
    EXPECT_EQ(rec.live_blocks, 0) << "work buffer not released";
    recorder = nullptr;
  }
  Recorder rec;
};

TEST_F(ConvertEncodingGrowth, GrowsByHalfTheInputPlus128AndMatchesOneShot) {
  const std::string letters(1000, 'x');
  const Bytes result = convert_encoding(recording_backend, letters, "GBK", "UCS-2");
  EXPECT_EQ(rec.sizes, (std::vector<std::size_t>{1000, 1628, 2256}));
  ASSERT_EQ(result.size(), 2000u);
  EXPECT_SAME_BYTES(result, testing::one_shot_convert(letters, "GBK", "UCS-2"));
}

TEST_F(ConvertEncodingGrowth, MovedBufferKeepsEarlierBytesForEveryTarget) {
  rec.always_move = true;
  std::string text;
  for (int i = 0; i < 300; ++i) text += i % 3 ? "\xD6\xD0\xCE\xC4" : "ab~+";
  for (const auto& row : encoding_table) {
    SCOPED_TRACE(row.target);
    EXPECT_SAME_BYTES(convert_encoding(recording_backend, text, "GBK", row.target),
                      testing::one_shot_convert(text, "GBK", row.target));
  }
}

TEST_F(ConvertEncodingGrowth, FailedAllocationGivesEmptyBytes) {
  const std::string letters(1000, 'x');
  for (int fail_at : {0, 1, 2}) {
    SCOPED_TRACE(fail_at);
    rec.sizes.clear();
    rec.fail_at = fail_at;
    EXPECT_TRUE(convert_encoding(recording_backend, letters, "GBK", "UCS-2").empty());
    EXPECT_EQ(rec.sizes.size(), static_cast<std::size_t>(fail_at + 1)) << "went on after failure";
  }
}

TEST_F(ConvertEncodingGrowth, EmptyInputOrFailedOpenAllocatesNothing) {
  EXPECT_TRUE(convert_encoding(recording_backend, "", "GBK", "UTF-8").empty());
  EXPECT_TRUE(convert_encoding(recording_backend, "abc", "GBK", "NO-SUCH").empty());
  EXPECT_TRUE(rec.sizes.empty());
  EXPECT_EQ(rec.opens, 1);
}

// A scripted iconv: each call consumes nothing and reports E2BIG until
// `e2big_calls` calls have been made, then converts everything (one byte out
// per byte in) or flushes.
struct Script {
  int e2big_calls = 0;
  int calls = 0;
};
Script* script = nullptr;

void* scripted_open(const char*, const char*) { return script; }
void scripted_close(void*) {}
std::size_t scripted_convert(void*, const char** in, std::size_t* in_left, char** out,
                             std::size_t* out_left) {
  if (++script->calls <= script->e2big_calls) {
    errno = E2BIG;
    return static_cast<std::size_t>(-1);
  }
  if (in && *in) {
    std::memcpy(*out, *in, *in_left);
    *out += *in_left;
    *out_left -= *in_left;
    *in += *in_left;
    *in_left = 0;
  }
  return 0;
}

constexpr ConverterBackend scripted_backend{scripted_open, scripted_convert, scripted_close,
                                            std::realloc, std::free};

TEST(ConvertEncodingCallLimit, TwelveCallsIncludingTheFlush) {
  struct Case {
    int e2big_calls;
    bool succeeds;
    int calls_made;
  };
  const Case cases[] = {
      {0, true, 2},     // convert, flush
      {10, true, 12},   // ten growths, convert, flush on the twelfth call
      {11, false, 12},  // converted on the twelfth call: no call left for the flush
      {12, false, 12},  // still E2BIG on the twelfth call
      {40, false, 12},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.e2big_calls);
    Script s{c.e2big_calls};
    script = &s;
    const Bytes result = convert_encoding(scripted_backend, "abc", "GBK", "UTF-8");
    EXPECT_EQ(result.empty(), !c.succeeds);
    if (c.succeeds) {
      EXPECT_EQ(result, "abc");
    }
    EXPECT_EQ(s.calls, c.calls_made);
  }
  script = nullptr;
}

TEST(ConvertEncodingCallLimit, OtherErrnoFailsAtOnce) {
  for (int error : {EILSEQ, EINVAL, EBADF}) {
    SCOPED_TRACE(error);
    static int injected;
    injected = error;
    constexpr ConverterBackend failing{
        scripted_open,
        [](void*, const char**, std::size_t*, char**, std::size_t*) -> std::size_t {
          ++script->calls;
          errno = injected;
          return static_cast<std::size_t>(-1);
        },
        scripted_close, std::realloc, std::free};
    Script s;
    script = &s;
    EXPECT_TRUE(convert_encoding(failing, "abc", "GBK", "UTF-8").empty());
    EXPECT_EQ(s.calls, 1);
  }
  script = nullptr;
}

}  // namespace
}  // namespace lumetra
