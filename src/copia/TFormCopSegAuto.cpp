#include "copia/TFormCopSegAuto.h"

#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "controles/PaletaTolv.h"
#include "controles/TTolvButton.h"
#include "copia/CopiaSeguranca.h"
#include "copia/NomesCopia.h"
#include "copia/PaginaCopia.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/RegistroTolv.h"
#include "plataforma/gui/GuardaEventos.h"
#include "plataforma/sistema/Pastas.h"

namespace {

const QString kFalhou = QStringLiteral("A cópia de segurança automática falhou.");

void AvisaFalha(const QString& motivo) {
  ExibeMensagem(motivo.isEmpty() ? kFalhou : kFalhou + QStringLiteral("\n\n") + motivo, TipoMensagem::Erro);
}

}  // namespace

TFormCopSegAuto::TFormCopSegAuto(QWidget* dono) : QDialog(dono) {
  setObjectName(QStringLiteral("FormCopSegAuto"));
  setWindowTitle(QStringLiteral("Cópia de segurança automática"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
  setFont(PaletaTolv::arial(8));
  PaletaTolv::pinta(this, PaletaTolv::kFundo);
  resize(420, 130);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 16, 18, 14);
  layout->setSpacing(10);
  m_lbDiretorio = PaginaCopia::Texto(this, QStringLiteral("Gravando em..."), "LbDiretorio");
  m_gaugeTotal = PaginaCopia::Progresso(this, "GaugeTotal");
  m_botaoCancelar = new TTolvButton(QStringLiteral("&Cancelar"), this);
  m_botaoCancelar->setObjectName(QStringLiteral("BotaoCancelar"));
  m_botaoCancelar->setFixedSize(90, 25);
  layout->addWidget(m_lbDiretorio);
  layout->addWidget(m_gaugeTotal);
  layout->addWidget(m_botaoCancelar, 0, Qt::AlignHCenter);
  connect(m_botaoCancelar, &TTolvButton::clicked, this, [this] { GuardaEventos::executa([this] { BotaoCancelarClick(); }); });
}

TFormCopSegAuto::~TFormCopSegAuto() = default;

QString TFormCopSegAuto::PastaCopias() { return Pastas::programa() + u'/' + NomesCopia::kPastaCopias; }

QString TFormCopSegAuto::Arquivo() { return PastaCopias() + u'/' + NomesCopia::kArquivoAutomatico; }

void TFormCopSegAuto::BotaoCancelarClick() {
  m_cancelar = true;
  m_compressor.CancelarCompressao();
}

void TFormCopSegAuto::keyPressEvent(QKeyEvent* evento) {
  switch (evento->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Space:
      BotaoCancelarClick();
      return;
  }
  QDialog::keyPressEvent(evento);
}

// Closing the window asks the work to stop; the window goes once the work returned.
void TFormCopSegAuto::reject() { BotaoCancelarClick(); }

int TFormCopSegAuto::GravaCopiaAutomatica() {
  m_cancelar = false;
  show();
  const QString pasta = PastaCopias();
  QDir().mkpath(pasta);
  m_lbDiretorio->setText(QStringLiteral("Gravando em ") + QDir::toNativeSeparators(pasta) + QStringLiteral("..."));
  m_gaugeTotal->setRange(0, 100);
  m_gaugeTotal->setValue(0);
  PaginaCopia::ProcessaEventos();

  const CopiaSeguranca::Lista lista = CopiaSeguranca::ListaBase();
  m_total = lista.tamanhoTotal;
  if (!lista.valida()) {
    AvisaFalha(lista.falha);
    return compressao::Falhou;
  }
  if (m_cancelar) return compressao::Cancelado;
  CopiaSeguranca::Resultado r;
  try {
    r = CopiaSeguranca::Grava(lista, Arquivo(), m_compressor, [this](int p) {
      m_gaugeTotal->setValue(p);
      PaginaCopia::ProcessaEventos();
      // A cancel asked before the writing began counts too.
      if (m_cancelar) m_compressor.CancelarCompressao();
    });
  } catch (const std::exception& e) {
    r.mensagem = QString::fromLocal8Bit(e.what());
  }
  if (r.codigo == compressao::Concluido) {
    m_gaugeTotal->setValue(100);
    RegistroTolv::GravaDirCsDefault(pasta);
  } else if (r.codigo == compressao::Falhou) {
    AvisaFalha(r.mensagem);
  }
  return r.codigo;
}

void ExecutaCopiaAutomatica(QWidget* dono) {
  TFormCopSegAuto janela(dono);
  janela.GravaCopiaAutomatica();
}
