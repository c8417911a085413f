#include "PlatformDoubles.h"

#include <QFileInfo>
#include <QTest>

MessageBoxes::Answer RecordingMessageBoxes::show(Style style, QWidget *owner, const QString &text)
{
    const Kind kind = style.kind;
    const bool acknowledged = kind == Kind::Information || kind == Kind::Warning || kind == Kind::Error;
    shown.append({ kind, text, acknowledged ? style.buttons : Buttons::OkCancel });
    owners.append(owner);
    if (kind != Kind::Question && kind != Kind::CancellableQuestion)
        return Answer::Ok;
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    return kind == Kind::Question ? Answer::Yes : Answer::No;
}

RecordingMessageBoxes::Shown RecordingMessageBoxes::takeOnly()
{
    if (shown.size() != 1) {
        QStringList texts;
        for (const Shown &s : shown)
            texts.append(s.text);
        QTest::qFail(qPrintable(QStringLiteral("expected one message box, got %1: %2")
                                    .arg(shown.size()).arg(texts.join(QStringLiteral(" | ")))),
                     __FILE__, __LINE__);
        shown.clear();
        return {};
    }
    owners.clear();
    return shown.takeFirst();
}

QString ScriptedFileDialogs::openFile(QWidget *, const QString &title, const QString &filters)
{
    asked.append({title, filters, {}});
    return answers.isEmpty() ? QString() : answers.dequeue();
}

QString ScriptedFileDialogs::saveFile(QWidget *, const SaveRequest &request)
{
    asked.append({request.title, request.filter, request});
    return answers.isEmpty() ? QString() : answers.dequeue();
}

QString ScriptedFileDialogs::folder(QWidget *, const QString &title)
{
    asked.append({title, {}, {}});
    return answers.isEmpty() ? QString() : answers.dequeue();
}

bool RecordingSound::load(const QString &path)
{
    loads.append(path);
    m_loaded = playable && QFileInfo(path).isFile();
    return QFileInfo(path).isFile();
}

void RecordingSound::play()
{
    if (!m_loaded)
        return;
    ++plays;
    playing = true;
}

void RecordingSound::stop()
{
    ++stops;
    playing = false;
}

QStringList pageTexts(const Report::Page &page)
{
    QStringList texts;
    for (const Report::Element &element : page.elements)
        if (const auto *text = std::get_if<Report::TextElement>(&element))
            texts.append(text->text);
    return texts;
}

QStringList reportTexts(const Report::PreparedReport &report)
{
    QStringList texts;
    for (const Report::Page &page : report.pages)
        texts += pageTexts(page);
    return texts;
}
