// How long the page generation takes for friend lists of realistic size.
#include "friends/FriendExtraction.h"
#include "generate/GbkEncoder.h"
#include "generate/PageGenerator.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

// A friend-list payload of the page's form: numbered friends with three-character escaped
// names and escaped avatar addresses, and a group list after the address as the site writes.
std::string payloadOf(int friends)
{
    std::string payload = "[";
    for (int k = 0; k < friends; ++k) {
        char record[512];
        std::snprintf(record, sizeof record,
                      R"(%s{"id":"%d","sex":"f","online":"0","school":"\u6e05\u534e",)"
                      R"("name":"\u5f20\u%04x\u4e09","head":"http:\/\/hd%d.xnimg.cn\/photos\/)"
                      R"(hd%d\/20100101\/12\/34\/tiny_%d.jpg","groups":["\u540c\u5b66","a"]})",
                      k == 0 ? "" : ",", 200000000 + k, 0x4e00 + k % 0x5000, k % 50, k % 200, k);
        payload += record;
    }
    return payload + "]";
}

void extraction5000(benchmark::State& state)
{
    const std::string payload = payloadOf(5000);
    for (auto _ : state)
        benchmark::DoNotOptimize(extractRecords(payload));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * payload.size()));
}
BENCHMARK(extraction5000)->Unit(benchmark::kMillisecond);

void nameArt10Characters1000Friends(benchmark::State& state)
{
    const std::string payload = payloadOf(1000);
    GenerationSettings settings;
    settings.name = "朋友们你们咋都在我名";
    settings.fontPath = NAMEART_HZK16;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const GenerationResult result = generatePage(payload, settings);
        if (result.status != GenerationResult::Status::Written)
            state.SkipWithError(result.message.c_str());
        bytes = result.pageBytes.size();
    }
    state.counters["page_kB"] = static_cast<double>(bytes) / 1000;
}
BENCHMARK(nameArt10Characters1000Friends)->Unit(benchmark::kMillisecond);

void friendTable5000Friends(benchmark::State& state)
{
    const std::string payload = payloadOf(5000);
    GenerationSettings settings;
    settings.mode = PageMode::FriendTable;
    std::size_t bytes = 0;
    for (auto _ : state)
        bytes = generatePage(payload, settings).pageBytes.size();
    state.counters["page_kB"] = static_cast<double>(bytes) / 1000;
}
BENCHMARK(friendTable5000Friends)->Unit(benchmark::kMillisecond);

// The share of the conversion to GBK in the friend table: the table's text alone.
void gbkEncodingOfA5000FriendTable(benchmark::State& state)
{
    GenerationSettings settings;
    settings.mode = PageMode::FriendTable;
    const std::string page =
        GbkEncoder::forThisThread().decode(generatePage(payloadOf(5000), settings).pageBytes);
    for (auto _ : state)
        benchmark::DoNotOptimize(GbkEncoder::forThisThread().encode(page));
}
BENCHMARK(gbkEncodingOfA5000FriendTable)->Unit(benchmark::kMillisecond);

} // namespace
