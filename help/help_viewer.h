#pragma once

#include <QTextBrowser>

#include <memory>

#include "help/chm_reader.h"

namespace tarvik {

// A window that shows the topics of one help file, with its pictures and links, straight
// from inside the file. It has no parent: it belongs to no window of the game.
class HelpViewer : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpViewer(const QString& helpFile);
    ~HelpViewer() override;

    const QString& helpFile() const { return helpFile_; }
    bool fileOpen() const { return reader_->isOpen(); }
    // Shows the topic mapped to the context number; false (with a note in the window)
    // when the file or the number is unknown.
    bool showContext(quint32 context);
    bool showTopic(const QString& topicPath);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    void showNote(const QString& text);

    QString helpFile_;
    std::unique_ptr<ChmReader> reader_;
};

}  // namespace tarvik
