#include "app/aboutbox.h"

#include "ui/ui.h"
#include "ui/widgets.h"

#include <QLabel>

#include <algorithm>
#include <QLineEdit>
#include <QPushButton>

namespace tessaro {

namespace {

QFont Verdana(int pixels, bool bold = false) {
  QFont font(QStringLiteral("Verdana"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QFont& font, const QColor& colour) {
  QLabel* label = Label(QString(), parent, name);
  label->setFont(font);
  if (colour.isValid()) SetDesignColour(label, QPalette::WindowText, colour);
  return label;
}

QLineEdit* MakeContactLine(QWidget* parent, const char* name, const QColor& colour, int top) {
  QLineEdit* edit = ResultEdit(name, parent);
  edit->setFrame(false);
  edit->setFont(Verdana(13));
  QPalette pal = edit->palette();
  pal.setColor(QPalette::Base, pal.color(QPalette::Window));
  pal.setColor(QPalette::Text, colour);
  edit->setPalette(pal);
  // The designed 20 pixels, or what the font needs.
  edit->setGeometry(40, top, 180, std::max(20, edit->minimumSizeHint().height()));
  return edit;
}

}  // namespace

TFAbout::TFAbout(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FAbout"));
  //: The title of the About box before it names the program.
  setWindowTitle(tr("About"));
  setFixedSize(337, 258);
  // Every colour of the box is the design's, drawn on the design's light window.
  if (DarkPalette(palette())) setPalette(QPalette(QColor(240, 240, 240)));

  BtOk = Button("BtOk", tr("OK"), {}, this);
  BtOk->setGeometry(232, 176, 73, 33);
  BtOk->setDefault(true);

  Tit = MakeLabel(this, "Tit", Verdana(32, true), QColor(Qt::blue));
  Tit->setAlignment(Qt::AlignCenter);
  Tit->move(0, 6);
  EtV = MakeLabel(this, "EtV", Verdana(16, true), QColor(Qt::red));
  EtV->move(0, 22);
  D = MakeLabel(this, "D", Verdana(16), QColor());
  D->setGeometry(16, 53, 289, 52);
  D->setWordWrap(true);
  D->setAlignment(Qt::AlignCenter);
  EtAutor = MakeLabel(this, "EtAutor", Verdana(15), QColor(0, 0, 128));
  EtAutor->move(84, 123);
  EtAutor->setText(QStringLiteral("Tessaro - "));
  EtAutor->adjustSize();
  EtYear = MakeLabel(this, "EtYear", Verdana(15), QColor(0, 0, 128));
  EtYear->move(180, 123);
  // No contact address is published; the lines stay empty rather than invent one.
  EdMail = MakeContactLine(this, "EdMail", QColor(Qt::blue), 172);
  EdW = MakeContactLine(this, "EdW", QColor(0, 128, 128),
                        std::max(192, EdMail->geometry().bottom() + 1));
  SpeakAs(EdMail, tr("E-mail address"));
  SpeakAs(EdW, tr("Web site"));

  TabOrder({BtOk, EdMail, EdW});
  connect(BtOk, &QPushButton::clicked, this, &QDialog::hide);
}

void TFAbout::ShowAbout(const QString& title, const QString& description, const QString& year,
                        const QString& version) {
  //: The title of the About box: %1 is the program's name.
  setWindowTitle(tr("About %1").arg(title));
  Tit->setText(title);
  Tit->adjustSize();
  D->setText(description);
  EtYear->setText(year);
  EtYear->adjustSize();
  // The 12 pixels stand for the window frame of the design; the version sits 12 pixels right of the title.
  Tit->move((width() - 12 - Tit->width()) / 2, Tit->y());
  //: Short for version, before the program's version number %1.
  EtV->setText(tr("V. %1").arg(version));
  EtV->adjustSize();
  EtV->move(Tit->x() + Tit->width() + 12, EtV->y());
  if (!isVisible()) CentreOnScreen(this);
  ShowInFront(this);
}

}  // namespace tessaro
