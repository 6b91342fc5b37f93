// Export speed against baselines measured in the same run: composing a page against
// copying the record, and MakeFiles against writing the same bytes to two files with
// plain writes (each flushed to disk, as MakeFiles does).
#include <cstdio>
#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include "MakeFiles.h"
#include "ViewerPage.h"

namespace fs = std::filesystem;

namespace {

// An SGF-like record of `size` bytes: moves, and every tenth line a comment that holds
// quotes, an ampersand and angle brackets, as a commented game does.
std::string Record(std::size_t size)
{
    const std::string moves = ";B[pd];W[dp];B[pp];W[dd];B[fc];W[cf];B[jd];W[qf]\r\n";
    const std::string comment = ";B[qh]C[\"Black\" & White: a <good> move, says the broadcaster]\r\n";
    std::string record = "(;GM[1]FF[4]SZ[19]\r\n";
    for (int line = 0; record.size() + comment.size() < size; ++line)
        record += line % 10 == 9 ? comment : moves;
    record.resize(size - 1, ' ');
    return record + ")";
}

// A scratch folder with the page folders, the current directory while it lives.
struct Site {
    fs::path previous = fs::current_path();
    fs::path path = fs::temp_directory_path() / ("kelvane-bench-" + std::to_string(::getpid()));
    Site()
    {
        fs::create_directories(path / "HTML/TavlioEng");
        fs::current_path(path);
    }
    ~Site()
    {
        fs::current_path(previous);
        fs::remove_all(path);
    }
};

void PlainWrite(const char* path, const std::string& bytes)
{
    int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
        ::fsync(fd) != 0)
        std::perror(path);
    ::close(fd);
}

void ComposePage(benchmark::State& state)
{
    const std::string record = Record(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ComposeViewerPage("game", "f8e0e0", record, ViewerLanguage::English));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

void CopyRecordBaseline(benchmark::State& state)
{
    const std::string record = Record(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::string copy = record;
        benchmark::DoNotOptimize(copy);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

void MakeFilesRun(benchmark::State& state)
{
    Site site;
    const ExportRequest request{Record(static_cast<std::size_t>(state.range(0))), "game", "f8e0e0",
                                ViewerLanguage::English};
    for (auto _ : state)
        MakeFiles(request);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

void TwoPlainWritesBaseline(benchmark::State& state)
{
    Site site;
    fs::create_directories("SGF");
    const std::string record = Record(static_cast<std::size_t>(state.range(0)));
    const std::string page = ComposeViewerPage("game", "f8e0e0", record, ViewerLanguage::English);
    for (auto _ : state) {
        PlainWrite("SGF/game.sgf", record);
        PlainWrite("HTML/TavlioEng/game.htm", page);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

constexpr int64_t kSizes[] = {10 << 10, 1 << 20, 10 << 20};

void Sizes(benchmark::internal::Benchmark* b)
{
    for (int64_t size : kSizes)
        b->Arg(size);
    b->Unit(benchmark::kMicrosecond);
}

} // namespace

BENCHMARK(CopyRecordBaseline)->Apply(Sizes);
BENCHMARK(ComposePage)->Apply(Sizes);
BENCHMARK(TwoPlainWritesBaseline)->Apply(Sizes);
BENCHMARK(MakeFilesRun)->Apply(Sizes);

BENCHMARK_MAIN();
