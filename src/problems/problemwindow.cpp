#include "problems/problemwindow.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace tessaro {

TFPrbl::TFPrbl(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("FPrbl"));
  setWindowTitle(QStringLiteral("Problem"));
  auto* layout = new QVBoxLayout(this);
  auto* EtEn = new QLabel(QStringLiteral("Question"), this);
  EtEn->setObjectName(QStringLiteral("EtEn"));
  IdE = new QPlainTextEdit(this);
  IdE->setObjectName(QStringLiteral("IdE"));
  IdE->setLineWrapMode(QPlainTextEdit::NoWrap);
  auto* EtR = new QLabel(QStringLiteral("Answer"), this);
  EtR->setObjectName(QStringLiteral("EtR"));
  IdR = new QPlainTextEdit(this);
  IdR->setObjectName(QStringLiteral("IdR"));
  IdR->setLineWrapMode(QPlainTextEdit::NoWrap);
  layout->addWidget(EtEn);
  layout->addWidget(IdE);
  layout->addWidget(EtR);
  layout->addWidget(IdR);
  resize(480, 400);
}

void TFPrbl::MostraPrbl(const QString& question, const QString& answer) {
  show();
  raise();
  activateWindow();
  QString q = question;
  QString a = answer;
  IdE->setPlainText(q.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  IdR->setPlainText(a.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

}  // namespace tessaro
