#include "bench_library.h"

#include "library/product_manager.h"
#include "platform/cautious_prompts.h"
#include "platform/profile_file.h"

#include <benchmark/benchmark.h>

namespace {

// `count` products with pictures of `side` pixels, spread over sub-categories of
// `perSubCategory` products (sub-category 1 first); names "面板00000", "面板00001", ...
void fill(BenchLibrary& library, int count, int perSubCategory, int side) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::lightGray);
    const QByteArray bytes = picture::writeBmp(image);
    Transaction t(library.db);
    for (int sub = 2; sub <= (count + perSubCategory - 1) / perSubCategory; ++sub) {
        library.db.exec(QStringLiteral("insert into xinghao (id, xinghao, cailiao_id) "
                                       "values (?, 'b', 1)"),
                        {sub});
    }
    for (int i = 0; i < count; ++i) {
        library.db.exec(
            QStringLiteral("insert into pic (id, xinghao_id, title, style, width, height, "
                           "price, danwei, l_img) values (?, ?, ?, 0, 300, 300, 10, '块', ?)"),
            {i + 1, 1 + i / perSubCategory, QStringLiteral("面板%1").arg(i, 5, 10, QChar(u'0')),
             bytes});
    }
    t.commit();
}

// The grid of a sub-category with 2000 products of 60 × 60 pixel pictures (300 mm panels):
// the query, every picture decoded and every row measured.
void BM_ManagerLoadsSubCategory(benchmark::State& state) {
    BenchLibrary library;
    fill(library, 2000, 2000, 60);
    ProfileFile setup(library.folder.filePath(QStringLiteral("setup.ini")));
    CautiousPrompts prompts;
    ProductManager manager(library.db, setup, prompts, library.folder.path(), {});
    for (auto _ : state) {
        manager.openSubCategory(1);
        benchmark::DoNotOptimize(manager.rowCount());
    }
    if (manager.rowCount() != 2000 || !manager.row(1999)) {
        state.SkipWithError("the grid does not hold the sub-category");
    }
}
BENCHMARK(BM_ManagerLoadsSubCategory)->Unit(benchmark::kMillisecond);

// A name search over a library of 20000 products that finds one of them.
void BM_ManagerSearchesLibrary(benchmark::State& state) {
    BenchLibrary library;
    fill(library, 20000, 200, 30);
    ProfileFile setup(library.folder.filePath(QStringLiteral("setup.ini")));
    CautiousPrompts prompts;
    ProductManager manager(library.db, setup, prompts, library.folder.path(), {});
    for (auto _ : state) {
        manager.search(QStringLiteral("19999"));
        benchmark::DoNotOptimize(manager.rowCount());
    }
    if (manager.foundText() != QStringLiteral("找到1记录")) {
        state.SkipWithError("the search does not find the one product");
    }
}
BENCHMARK(BM_ManagerSearchesLibrary)->Unit(benchmark::kMillisecond);

} // namespace
