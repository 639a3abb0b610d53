#include "invocation.h"

#include <QCommandLineParser>
#include <cstring>

namespace {

// The subcommands: how many positional arguments each takes, whether the first is a
// customer id, and which options it needs.
struct Syntax {
    const char* name;
    int arguments;
    bool customerId;
    bool needsOut;
    bool needsMode;
    bool needsPdf;
    const char* usage;
};

constexpr Syntax Commands[] = {
    {"customers", 0, false, false, false, false, "customers"},
    {"quote", 1, true, false, false, true, "quote ID --pdf FILE [--cutting]"},
    {"pages", 1, true, true, true, false, "pages ID --mode 1|2|3 --out DIR"},
    {"statistics", 1, true, true, false, false, "statistics ID --out FILE"},
    {"cutting", 1, true, false, false, false, "cutting ID [--out FILE.tsv]"},
    {"export", 2, true, false, false, false, "export ID FILE.zpk"},
    {"import", 1, false, false, false, false, "import FILE.zpk"},
    {"backup", 1, false, false, false, false, "backup DIR [--replace]"},
    {"dxf", 1, true, true, false, false, "dxf ID [--room N] --out DIR"},
    {"gltf", 1, true, true, false, false, "gltf ID [--room N] --out FILE.glb"},
    {"render3d", 1, true, true, false, false, "render3d ID [--room N] --out FILE.jpg"},
};

const QString HomeOption = QStringLiteral("home");
const QString OutOption = QStringLiteral("out");
const QString ModeOption = QStringLiteral("mode");
const QString PdfOption = QStringLiteral("pdf");
const QString ReplaceOption = QStringLiteral("replace");
const QString RoomOption = QStringLiteral("room");
const QString CuttingOption = QStringLiteral("cutting");

void describe(QCommandLineParser& parser) {
    QStringList lines{
        QStringLiteral("砚舟集成吊顶设计软件的命令行：无需显示器，处理客户、报价与备份。"),
        QString(), QStringLiteral("命令：")};
    const char* const explanations[] = {
        "列出本公司的客户（制表符分隔：编号、项目编号、姓名、电话、小区、设计日期、金额）",
        "写出客户的报价单（统计表）为 A4 PDF 文件，--cutting 时附下料单",
        "写出客户的网页（1 当前房间，2 设计图，3 统计表）及图片到文件夹",
        "写出客户的统计表文件",
        "写出客户的下料单（制表符分隔），无 --out 时写到标准输出",
        "导出客户项目为文件",
        "从文件导入客户项目，输出新客户编号",
        "备份客户库与产品库到文件夹",
        "写出客户的房间（默认全部，--room 第几个房间）为 DXF 图纸到文件夹",
        "写出客户房间（默认打开后显示的房间）的3D模型为 glTF 二进制文件",
        "写出客户房间（默认打开后显示的房间）的3D效果图（JPEG，需要显示器）"};
    for (std::size_t i = 0; i < std::size(Commands); ++i) {
        lines << QStringLiteral("  %1\n      %2")
                     .arg(QString::fromUtf8(Commands[i].usage), QString::fromUtf8(explanations[i]));
    }
    parser.setApplicationDescription(lines.join(u'\n'));
    parser.addPositionalArgument(QStringLiteral("命令"), QStringLiteral("见上"),
                                 QStringLiteral("命令 [参数...]"));
    parser.addHelpOption();
    parser.addOptions(
        {{HomeOption, QStringLiteral("程序文件夹（默认：程序自己选择的文件夹）"),
          QStringLiteral("DIR")},
         {OutOption, QStringLiteral("输出的文件夹或文件"), QStringLiteral("PATH")},
         {ModeOption, QStringLiteral("网页：1 当前房间，2 设计图，3 统计表"), QStringLiteral("N")},
         {PdfOption, QStringLiteral("报价单 PDF 文件"), QStringLiteral("FILE")},
         {ReplaceOption, QStringLiteral("备份：替换文件夹中已有的备份")},
         {RoomOption, QStringLiteral("DXF 图纸、3D模型与3D效果图：第几个房间（从 1 起）"),
          QStringLiteral("N")},
         {CuttingOption, QStringLiteral("报价单：附下料单")}});
}

// The commands that write one room or all take "--room N", as their usage says.
bool takesRoom(const Syntax& syntax) {
    return std::strstr(syntax.usage, "[--room N]") != nullptr;
}

bool takesCutting(const Syntax& syntax) {
    return std::strstr(syntax.usage, "[--cutting]") != nullptr;
}

const Syntax* syntaxOf(const QString& name) {
    for (const Syntax& syntax : Commands) {
        if (name == QLatin1String(syntax.name)) {
            return &syntax;
        }
    }
    return nullptr;
}

QString checked(const Syntax& syntax, const QCommandLineParser& parser, Invocation& run) {
    const QString usage = QStringLiteral("用法：yanzhou-cli ") + QString::fromUtf8(syntax.usage);
    if (run.arguments.size() != syntax.arguments) {
        return usage;
    }
    bool number = true;
    if (syntax.customerId) {
        run.arguments.first().toInt(&number);
    }
    if (!number) {
        return QStringLiteral("客户编号应为整数：") + run.arguments.first();
    }
    if (syntax.needsOut && run.out.isEmpty()) {
        return usage;
    }
    if (syntax.needsPdf) {
        run.out = parser.value(PdfOption);
        if (run.out.isEmpty()) {
            return usage;
        }
    }
    if (parser.isSet(RoomOption)) {
        run.room = parser.value(RoomOption).toInt(&number);
        if (!number || run.room < 1 || !takesRoom(syntax)) {
            return usage;
        }
    }
    run.cuttingList = parser.isSet(CuttingOption);
    if (run.cuttingList && !takesCutting(syntax)) {
        return usage;
    }
    if (syntax.needsMode) {
        run.mode = parser.value(ModeOption).toInt(&number);
        if (!number || run.mode < 1 || run.mode > 3) {
            return usage;
        }
    }
    return {};
}

} // namespace

ParsedCommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    describe(parser);
    if (!parser.parse(arguments)) {
        return {std::nullopt, parser.errorText()};
    }
    Invocation run;
    run.help = parser.isSet(QStringLiteral("help"));
    run.home = parser.value(HomeOption);
    run.out = parser.value(OutOption);
    run.replace = parser.isSet(ReplaceOption);
    QStringList positional = parser.positionalArguments();
    if (run.help) {
        return {run, {}};
    }
    if (positional.isEmpty()) {
        return {std::nullopt, QStringLiteral("缺少命令，见 yanzhou-cli --help")};
    }
    run.command = positional.takeFirst();
    run.arguments = positional;
    const Syntax* syntax = syntaxOf(run.command);
    if (!syntax) {
        return {std::nullopt, QStringLiteral("未知命令：") + run.command};
    }
    const QString error = checked(*syntax, parser, run);
    if (!error.isEmpty()) {
        return {std::nullopt, error};
    }
    return {run, {}};
}

QString usageText() {
    QCommandLineParser parser;
    describe(parser);
    return parser.helpText();
}
