// Loading every installed label template, as the chooser and --template do
// each time they are used; it must stay well under 200 ms.

#include "paper/templatedatabase.h"

#include <benchmark/benchmark.h>

namespace {

void LoadInstalledTemplates(benchmark::State& state) {
    const QStringList folders = templateFolders();
    size_t templates = 0;
    for (auto _ : state) {
        const TemplateDatabase database = loadTemplateDatabase(folders);
        templates = database.templates.size();
        benchmark::DoNotOptimize(templates);
    }
    if (templates == 0) state.SkipWithError("no label templates installed (glabels-data)");
    state.counters["templates"] = double(templates);
}
BENCHMARK(LoadInstalledTemplates)->Unit(benchmark::kMillisecond);

} // namespace
