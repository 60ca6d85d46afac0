// Benchmarks of the encoding core next to their floors: the bare libiconv
// conversion and a memcpy of the dump's size. scripts/bench.sh turns the
// figures into ratios. The program is single-threaded, so the process's CPU
// time (page faults included) is the figure that matters; it is also steadier
// than wall time on a machine that is busy with other work.
#include <benchmark/benchmark.h>
#include <iconv.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>

#include "bench/gbk_text.h"
#include "core/convert_encoding.h"
#include "core/encoding_table.h"
#include "core/hex_dump.h"

namespace lumetra::bench {
namespace {

constexpr std::size_t sizes[] = {16, 1 << 10, 64 << 10, 1 << 20, 16 << 20};

// One text per size, made once: the 16 MiB text takes a while to build.
const std::string& text_of(std::size_t size) {
  static std::string texts[std::size(sizes)];
  for (std::size_t i = 0; i < std::size(sizes); ++i) {
    if (sizes[i] != size) continue;
    if (texts[i].empty()) texts[i] = gbk_text(size);
    return texts[i];
  }
  std::abort();
}

long minor_faults() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_minflt;
}

// Throughput, and the page faults per iteration: a block that malloc takes
// fresh from the kernel costs one fault per 4 KiB page on first touch, which
// on some virtual machines outweighs the work itself.
class Figures {
 public:
  Figures(benchmark::State& state, std::size_t n) : state_(state), n_(n) {}
  ~Figures() {
    state_.SetBytesProcessed(static_cast<std::int64_t>(state_.iterations() * n_));
    state_.counters["faults"] = benchmark::Counter(static_cast<double>(minor_faults() - start_),
                                                   benchmark::Counter::kAvgIterations);
  }
  Figures(const Figures&) = delete;
  Figures& operator=(const Figures&) = delete;

 private:
  benchmark::State& state_;
  std::size_t n_;
  long start_ = minor_faults();
};

void convert(benchmark::State& state, const char* target, std::size_t size) {
  const std::string& text = text_of(size);
  Figures figures(state, size);
  for (auto _ : state) {
    Bytes result = convert_encoding(text, source_encoding, target);
    benchmark::DoNotOptimize(result.data());
  }
}

// The least any conversion of the whole text costs: open, one iconv call into
// a buffer that is large enough from the start, the flush, close. No growth,
// no copy into the result.
void conversion_floor(benchmark::State& state, const char* target, std::size_t size) {
  const std::string& text = text_of(size);
  std::string buffer(8 * size + 16, '\0');
  Figures figures(state, size);
  for (auto _ : state) {
    iconv_t cd = iconv_open(target, source_encoding);
    const char* in = text.data();
    std::size_t in_left = text.size();
    char* out = buffer.data();
    std::size_t out_left = buffer.size();
    if (iconv(cd, &in, &in_left, &out, &out_left) == static_cast<std::size_t>(-1) ||
        iconv(cd, nullptr, nullptr, &out, &out_left) == static_cast<std::size_t>(-1)) {
      state.SkipWithError("the sample text does not convert");
    }
    iconv_close(cd);
    benchmark::DoNotOptimize(out);
    benchmark::ClobberMemory();
  }
}

void dump(benchmark::State& state, std::size_t size) {
  const std::string& text = text_of(size);
  Figures figures(state, size);
  for (auto _ : state) {
    Text result = hex_dump(text);
    benchmark::DoNotOptimize(result.data());
  }
}

// The dump's floor: moving as many bytes as the dump has into a buffer that
// already exists.
void dump_floor(benchmark::State& state, std::size_t size) {
  const std::size_t length = hex_dump_length(size);
  std::string from(length, 'A');
  std::string to(length, '\0');
  Figures figures(state, size);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), length);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}

// What one keystroke costs the core: the five conversions and their dumps,
// in table order.
void refresh(benchmark::State& state, std::size_t size) {
  const std::string& text = text_of(size);
  Figures figures(state, size);
  for (auto _ : state) {
    for (const EncodingRow& row : encoding_table) {
      const Text shown = hex_dump(convert_encoding(text, source_encoding, row.target));
      benchmark::DoNotOptimize(shown.data());
    }
  }
}

void register_all() {
  for (std::size_t size : sizes) {
    const std::string n = std::to_string(size);
    for (const EncodingRow& row : encoding_table) {
      const std::string target = row.target;
      benchmark::RegisterBenchmark(("convert/" + target + "/" + n).c_str(), convert, row.target,
                                   size);
      benchmark::RegisterBenchmark(("iconv_floor/" + target + "/" + n).c_str(), conversion_floor,
                                   row.target, size);
    }
    benchmark::RegisterBenchmark(("hex_dump/" + n).c_str(), dump, size);
    benchmark::RegisterBenchmark(("memcpy/" + n).c_str(), dump_floor, size);
    benchmark::RegisterBenchmark(("refresh/" + n).c_str(), refresh, size);
  }
}

// Writes the text of every size as gbk-<size>.bin into `folder`, so a peer
// measured outside this program formats exactly the bytes hex_dump got here.
int write_inputs(const std::string& folder) {
  for (std::size_t size : sizes) {
    const std::string path = folder + "/gbk-" + std::to_string(size) + ".bin";
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    const std::string& text = text_of(size);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!file) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}

}  // namespace
}  // namespace lumetra::bench

int main(int argc, char** argv) {
  constexpr std::string_view write_flag = "--write-inputs=";
  if (argc == 2 && std::string_view(argv[1]).starts_with(write_flag)) {
    return lumetra::bench::write_inputs(argv[1] + write_flag.size());
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  lumetra::bench::register_all();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
