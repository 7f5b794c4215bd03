// Throughput of the splitter and the two character-code conversions on 50 MB
// inputs. The inputs are written to $TOLVANE_BENCH_DIR (default /tmp) so that
// bench/text_peers.sh can time grep and iconv on the very same files.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/Encoding.h"
#include "sqltext/cSQL.h"
#include "sqltext/cText.h"

using namespace tolvane;

namespace {

constexpr size_t kTarget = 50u * 1000 * 1000;

std::string BenchDir() {
  const char* d = std::getenv("TOLVANE_BENCH_DIR");
  return d && *d ? d : "/tmp";
}

void Save(const std::string& name, const std::string& bytes) {
  std::string path = BenchDir() + "/" + name;
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
}

// 500,000 statements of 100 bytes each, with line and block comments and
// Japanese literals.
const std::string& Script() {
  static const std::string s = [] {
    std::string out;
    out.reserve(kTarget + 1024);
    const std::string name = J("名前");
    for (int i = 0; i < 500000; ++i) {
      std::string st = "/* row " + std::to_string(i) + " */ INSERT INTO t (id, " + name +
                       ") VALUES (" + std::to_string(i) + ", '" + name + std::to_string(i) + "'";
      std::string tail = "); -- note\r\n";
      st.append(100 - st.size() - tail.size(), ' ');
      out += st + tail;
    }
    Save("tolvane-bench-script.sql", out);
    return out;
  }();
  return s;
}

const std::string& SjisText() {
  static const std::string s = [] {
    const std::string line = J("日本語の文章とｶﾀｶﾅ、ASCII text 123 を混ぜた一行です。\r\n");
    std::string out;
    out.reserve(kTarget + line.size());
    while (out.size() < kTarget) out += line;
    Save("tolvane-bench-sjis.txt", out);
    return out;
  }();
  return s;
}

const std::string& EucText() {
  static const std::string s = [] {
    std::string out = cText::SjisToEuc(SjisText());
    Save("tolvane-bench-euc.txt", out);
    return out;
  }();
  return s;
}

void BM_CleanAndSplit(benchmark::State& state) {
  const std::string& script = Script();
  size_t statements = 0;
  for (auto _ : state) {
    auto list = SplitStatements(cSQL(script).GetSql());
    statements = list.size();
    benchmark::DoNotOptimize(list.data());
  }
  state.counters["statements"] = static_cast<double>(statements);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * script.size()));
}

void BM_SjisToEuc(benchmark::State& state) {
  const std::string& text = SjisText();
  for (auto _ : state) {
    std::string out = cText::SjisToEuc(text);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_EucToSjis(benchmark::State& state) {
  const std::string& text = EucText();
  for (auto _ : state) {
    std::string out = cText::EucToSjis(text);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

BENCHMARK(BM_CleanAndSplit)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SjisToEuc)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_EucToSjis)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
