#include "game/qt/title_texts.h"

namespace {

const QString kCredit = QString::fromLatin1(kMakerCredit);

QString Blanks(int count) { return QStringLiteral(" ").repeated(count); }

QString FullWidthBlanks(int count) { return QString(QChar(0x3000)).repeated(count); }

QString Dots(int count) { return QStringLiteral(".").repeated(count); }

}  // namespace

QString WindowTitleText() { return QStringLiteral("ザムリザムリヨルネピア　ver1.0 ") + kCredit; }

QString MojiTitleText() {
  return QStringLiteral("ﾌｶｸ、ﾌｶｸ、ｺﾉﾎｺﾗﾉ、日ﾉ光果ﾃﾙﾊﾞｼｮﾍ") + FullWidthBlanks(75) + Blanks(5) +
         QStringLiteral("ザムリザムリヨルネピア") + Blanks(9) + QStringLiteral("PRESENTED BY ") + kCredit;
}

QString StateTitleText() {
  return QStringLiteral("Braver Zamuri-Zamuri") + Blanks(4) +
         QStringLiteral("－ﾄﾞｺﾏﾃﾞﾂﾂﾞｸﾉﾀﾞﾛｳ ? －2000/04") + Blanks(11) + QStringLiteral("－created") +
         Blanks(11) + QStringLiteral("－From ") + kCredit + Blanks(8) + Dots(12) + Blanks(5) + Dots(15) +
         Blanks(14) + Dots(6) + Blanks(13) + Dots(7) + Blanks(12) + Dots(8) +
         QStringLiteral(" Explorer !!!!!!!!!! Yet,body not broken");
}

QString CreditsLineText() {
  return QStringLiteral("作：") + kCredit + QStringLiteral("　制作：2000年4月　") +
         QStringLiteral("Presented by ") + kCredit;
}
