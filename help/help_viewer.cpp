#include "help/help_viewer.h"

#include <QDesktopServices>
#include <QImage>
#include <QTextDocument>

#include "help/system_text.h"

namespace tarvik {

namespace {

constexpr const char* kScheme = "chm";

}  // namespace

HelpViewer::HelpViewer(const QString& helpFile)
    : QTextBrowser(nullptr), helpFile_(helpFile),
      reader_(std::make_unique<ChmReader>(toSystemText(helpFile)))
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Links inside the file turn the page; anything else goes to the system's browser.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        const QUrl target = source().resolved(link);
        if (target.scheme() == QLatin1String(kScheme))
            setSource(target, QTextDocument::HtmlResource);
        else
            QDesktopServices::openUrl(target);
    });
    resize(660, 560);
    const QString fileTitle = QString::fromStdString(reader_->title());
    setWindowTitle(fileTitle.isEmpty() ? helpFile : fileTitle);
    connect(this, &QTextBrowser::sourceChanged, this, [this, fileTitle] {
        const QString topic = documentTitle();
        if (!topic.isEmpty())
            setWindowTitle(fileTitle.isEmpty() ? topic : fileTitle + " - " + topic);
    });
}

HelpViewer::~HelpViewer() = default;

bool HelpViewer::showContext(quint32 context)
{
    if (!reader_->isOpen()) {
        showNote(QStringLiteral("The help file %1 could not be opened.").arg(helpFile_));
        return false;
    }
    const auto topic = reader_->topicForContext(context);
    if (!topic) {
        showNote(QStringLiteral("Topic number %1 is not in the help file %2.").arg(context).arg(helpFile_));
        return false;
    }
    return showTopic(QString::fromStdString(*topic));
}

bool HelpViewer::showTopic(const QString& topicPath)
{
    QUrl url;
    url.setScheme(kScheme);
    url.setPath(topicPath.startsWith('/') ? topicPath : '/' + topicPath);
    if (!reader_->contains(url.path().toStdString()))
        return false;
    setSource(url, QTextDocument::HtmlResource);
    return true;
}

QVariant HelpViewer::loadResource(int type, const QUrl& name)
{
    if (name.scheme() != kScheme)
        return QTextBrowser::loadResource(type, name);
    const auto data = reader_->read(name.path().toStdString());
    if (!data)
        return {};
    const QByteArray bytes(data->data(), static_cast<qsizetype>(data->size()));
    if (type == QTextDocument::ImageResource)
        return QImage::fromData(bytes);
    if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
        return QString::fromUtf8(bytes);
    return bytes;
}

void HelpViewer::showNote(const QString& text)
{
    setHtml(QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped()));
}

}  // namespace tarvik
