#include "platform/qt/ShellExecute.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace tessora {

namespace {
QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

int ShellExecute(QWidget*, std::string_view operation, std::string_view file, std::string_view,
                 std::string_view, int) {
    const QString verb = ToQString(operation);
    if (!verb.isEmpty() && verb.compare(QStringLiteral("open"), Qt::CaseInsensitive) != 0) {
        return shell::kNoAssociation;
    }
    const QUrl url = QUrl::fromUserInput(ToQString(file));
    if (!url.isValid() || url.isEmpty()) return shell::kNoAssociation;
    return QDesktopServices::openUrl(url) ? shell::kOpened : shell::kNoAssociation;
}

}  // namespace tessora
