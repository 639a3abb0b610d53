#include "platform/pinyin_keys.h"
#include "store/customer_name_search.h"

#include <benchmark/benchmark.h>

#include <thread>

// Pinyin of 10 000 customer names: computing their keys, and an initials search over the
// loaded list whose keys are kept.

namespace {

std::vector<QString> customerNames() {
    const QString surnames = QStringLiteral("王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐"
                                            "许韩冯邓曹彭曾肖田董袁潘于蒋蔡余杜叶程苏魏吕丁任沈"
                                            "姚卢姜崔钟谭陆汪范金石廖贾夏韦付方白邹孟熊秦邱江尹"
                                            "薛闫段雷侯龙史陶黎贺顾毛郝龚邵万钱严覃武戴莫孔向汤");
    const QString given = QStringLiteral("伟芳娜秀英敏静丽强磊军洋勇艳杰娟涛明超秀兰霞平刚桂"
                                         "英华玉萍红娥建国文辉力鹏飞斌宇浩凯健俊帆帅旭宁龙林"
                                         "欣怡梓涵子轩雨萱一诺佳琪思远博文晨阳嘉怡家豪志强海燕");
    // 10 000 different names: a surname with one given character, then with two.
    std::vector<QString> names;
    names.reserve(10000);
    for (qsizetype i = 0; i < 10000; ++i) {
        const qsizetype second = i / (surnames.size() * given.size());
        QString name = surnames[i % surnames.size()];
        name += given[(i / surnames.size()) % given.size()];
        if (second > 0) {
            name += given[second - 1];
        }
        names.push_back(name);
    }
    return names;
}

void keysOf(const std::vector<QString>& names) {
    PinyinIndex index;
    for (const QString& name : names) {
        benchmark::DoNotOptimize(index.keysOf(name));
    }
}

// The characters' readings already known, as after the first names the program met.
void BM_PinyinKeysOf10000Names(benchmark::State& state) {
    const std::vector<QString> names = customerNames();
    keysOf(names);
    for (auto _ : state) {
        keysOf(names);
    }
}
BENCHMARK(BM_PinyinKeysOf10000Names)->Unit(benchmark::kMillisecond);

// The first time in a thread: the transliterators are made and every character is read.
void BM_PinyinKeysOf10000NamesFirstTime(benchmark::State& state) {
    const std::vector<QString> names = customerNames();
    for (auto _ : state) {
        std::thread([&] { keysOf(names); }).join();
    }
}
BENCHMARK(BM_PinyinKeysOf10000NamesFirstTime)->Unit(benchmark::kMillisecond)->Iterations(5);

// The browser's name search once the list is loaded and its keys are kept.
void BM_InitialsSearchOver10000Customers(benchmark::State& state) {
    std::vector<CustomerListRow> rows;
    for (const QString& name : customerNames()) {
        CustomerListRow row;
        row.id = int(rows.size());
        row.name = name;
        rows.push_back(row);
    }
    PinyinIndex index;
    rowsNamed(rows, QStringLiteral("wf"), index);
    std::size_t found = 0;
    for (auto _ : state) {
        found = rowsNamed(rows, QStringLiteral("zw"), index).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = double(found);
}
BENCHMARK(BM_InitialsSearchOver10000Customers)->Unit(benchmark::kMillisecond);

} // namespace
