#include "support/scripted_prompts.h"

QStringList ScriptedPrompts::messages() const {
    QStringList result;
    for (const QString& s : shown) {
        if (s.startsWith(QLatin1String("message:"))) {
            result << s.mid(8);
        }
    }
    return result;
}

QVariant ScriptedPrompts::next(const QString& record) {
    shown << record;
    if (answers_.empty()) {
        unanswered << record;
        return {};
    }
    QVariant answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void ScriptedPrompts::message(const QString& text) {
    shown << QStringLiteral("message:") + text;
}

bool ScriptedPrompts::confirm(const QString& text) {
    return next(QStringLiteral("confirm:") + text).toBool();
}

void ScriptedPrompts::captionedMessage(const QString& caption, const QString& text) {
    captions << caption;
    message(text);
}

bool ScriptedPrompts::askYesNo(const QString& caption, const QString& text) {
    return next(QStringLiteral("yesno:") + caption + u'|' + text).toBool();
}

Prompts::ThreeWay ScriptedPrompts::askThreeWay(const QString& text) {
    QVariant v = next(QStringLiteral("threeway:") + text);
    return v.isValid() ? ThreeWay(v.toInt()) : Cancel;
}

std::optional<QString> ScriptedPrompts::inputText(const QString& caption, const QString& prompt,
                                                  const QString&) {
    QVariant v = next(QStringLiteral("input:") + caption + u'|' + prompt);
    if (!v.isValid()) {
        return std::nullopt;
    }
    return v.toString().trimmed();
}

std::optional<double> ScriptedPrompts::inputNumber(const QString& caption, const QString& prompt,
                                                   double, double minimum, double maximum, int) {
    QVariant v = next(QStringLiteral("number:") + caption + u'|' + prompt);
    if (!v.isValid()) {
        return std::nullopt;
    }
    return std::clamp(v.toDouble(), minimum, maximum);
}

QString ScriptedPrompts::chooseOpenFile(const QString& caption, const QString&,
                                        const QString& filter) {
    return next(QStringLiteral("open:") + caption + u'|' + filter).toString();
}

QString ScriptedPrompts::chooseSaveFile(const QString& caption, const QString& proposedPath,
                                        const QString& filter) {
    return next(QStringLiteral("save:") + caption + u'|' + proposedPath + u'|' + filter).toString();
}

QString ScriptedPrompts::chooseSaveFileWithTick(const QString& caption, const QString& proposedPath,
                                                const QString& filter, const QString&,
                                                bool& ticked) {
    ticked = ticks;
    return chooseSaveFile(caption, proposedPath, filter);
}

QString ScriptedPrompts::chooseFolder(const QString& caption, const QString&) {
    return next(QStringLiteral("folder:") + caption).toString();
}
