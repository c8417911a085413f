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

void ScriptedProgress::run(QWidget *, const QString &title, const Step &first, const Work &work)
{
    runs.append({ title, { first } });
    const qsizetype boxesBefore = m_messages.shown.size();
    // Indexed, not held: the work may start another run.
    const qsizetype index = runs.size() - 1;
    class Recorder final : public Reporter
    {
    public:
        Recorder(ScriptedProgress &progress, qsizetype run)
            : m_progress(progress)
            , m_run(run)
        {
        }
        bool report(const Step &step) override
        {
            Run &run = m_progress.runs[m_run];
            const int reported = int(run.steps.size()) - 1;
            run.steps.append(step);
            if (step.cancellable && m_progress.cancelAtStep && reported >= *m_progress.cancelAtStep)
                run.cancelled = true;
            return !run.cancelled;
        }

    private:
        ScriptedProgress &m_progress;
        qsizetype m_run;
    } recorder(*this, index);
    const auto checkNoBox = [&] {
        if (m_messages.shown.size() != boxesBefore)
            QTest::qFail(qPrintable(QStringLiteral("a message box was shown while \"%1\" ran: %2")
                                        .arg(title, m_messages.shown.constLast().text)),
                __FILE__, __LINE__);
    };
    try {
        work(recorder);
    } catch (...) {
        checkNoBox();
        throw;
    }
    checkNoBox();
}

QStringList ScriptedProgress::Run::labels() const
{
    QStringList texts;
    for (const Step &step : steps)
        texts.append(step.label);
    return texts;
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
