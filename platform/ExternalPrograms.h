#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Other programs of the desktop: the default application of a file, a text editor, a word processor, and the
// word processor's conversion of a document into plain text.
class ExternalPrograms
{
public:
    virtual ~ExternalPrograms() = default;
    // Opens a file or an address with its default application; the result is not examined.
    virtual void open(const QString& pathOrUrl) = 0;
    virtual void openInTextEditor(const QString& path) = 0;
    virtual void openInWordProcessor(const QString& path) = 0;
    // The document's text, converted by the word processor; nothing when there is none or the conversion fails.
    virtual std::optional<QString> convertToText(const QString& path) = 0;
};

class DesktopPrograms : public ExternalPrograms
{
public:
    void open(const QString& pathOrUrl) override;
    void openInTextEditor(const QString& path) override;
    void openInWordProcessor(const QString& path) override;
    std::optional<QString> convertToText(const QString& path) override;

    // How long a conversion may take before it counts as failed.
    int conversionTimeoutMs = 120000;
};

// A test double that records what was asked and answers conversions from a queue.
class RecordingPrograms : public ExternalPrograms
{
public:
    QStringList opened;
    QStringList textEditor;
    QStringList wordProcessor;
    QStringList converted;
    QList<std::optional<QString>> conversions;

    void open(const QString& pathOrUrl) override { opened.append(pathOrUrl); }
    void openInTextEditor(const QString& path) override { textEditor.append(path); }
    void openInWordProcessor(const QString& path) override { wordProcessor.append(path); }
    std::optional<QString> convertToText(const QString& path) override
    {
        converted.append(path);
        return conversions.isEmpty() ? std::nullopt : conversions.takeFirst();
    }
};
