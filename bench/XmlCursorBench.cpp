// Reading every item of a 2 MB lists document: the cursor over ranges against the plain cursor that
// copies the remaining text at every step.
#include <benchmark/benchmark.h>

#include "bench/ListsDocument.h"
#include "server/TXml.h"
#include "tests/support/PlainXml.h"

namespace {

const std::string& document()
{
    static const std::string doc = makeListsDocument(2 * 1024 * 1024);
    return doc;
}

void readAllItems(benchmark::State& state)
{
    size_t items = 0;
    for (auto _ : state) {
        TXml cursor(document());
        XmlFind(cursor, "ParsS");
        std::string type, text;
        items = 0;
        while (XmlNext(cursor, "Pars") > 0) {
            XmlValue(cursor, "type", type);
            XmlValue(cursor, "text", text);
            ++items;
        }
        benchmark::DoNotOptimize(text);
    }
    state.counters["items"] = double(items);
}

void readAllItemsPlain(benchmark::State& state)
{
    size_t items = 0;
    for (auto _ : state) {
        plainxml::PlainXml cursor;
        cursor.Doc = document();
        plainxml::plainFind(cursor, "ParsS");
        std::string type, text;
        items = 0;
        while (plainxml::plainNext(cursor, "Pars") > 0) {
            plainxml::plainValue(cursor, "type", type);
            plainxml::plainValue(cursor, "text", text);
            ++items;
        }
        benchmark::DoNotOptimize(text);
    }
    state.counters["items"] = double(items);
}

} // namespace

BENCHMARK(readAllItems)->Unit(benchmark::kMillisecond);
BENCHMARK(readAllItemsPlain)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_MAIN();
