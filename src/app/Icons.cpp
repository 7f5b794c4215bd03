#include "app/Icons.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace tolvane {

void InstallIconTheme() {
  QStringList paths = QIcon::themeSearchPaths();
  if (!paths.contains(QStringLiteral("/usr/share/icons"))) paths << QStringLiteral("/usr/share/icons");
  QIcon::setThemeSearchPaths(paths);
  QIcon::setThemeName(QStringLiteral("Tango"));
}

QIcon ActionIcon(const char* themeName, const QString& glyph) {
  QIcon icon = QIcon::fromTheme(QString::fromLatin1(themeName));
  if (!icon.isNull()) return icon;
  QPixmap pm(22, 22);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(52, 101, 164));
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(QRectF(1, 1, 20, 20), 4, 4);
  p.setPen(Qt::white);
  QFont f = p.font();
  f.setPixelSize(glyph.size() > 1 ? 9 : 13);
  f.setBold(true);
  p.setFont(f);
  p.drawText(QRect(0, 0, 22, 22), Qt::AlignCenter, glyph);
  p.end();
  return QIcon(pm);
}

}  // namespace tolvane
