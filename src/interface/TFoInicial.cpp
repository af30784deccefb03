#include "interface/TFoInicial.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <memory>
#include <optional>

#include "controles/MolduraTolv.h"
#include "controles/PaletaTolv.h"
#include "controles/AparenciaDialogo.h"
#include "interface/DialogosDeclaracao.h"
#include "interface/TFoAbreDeclaracao.h"
#include "interface/TFoNovaDeclaracao.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/CursorEspera.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "nucleo/UtilJanelas.h"
#include "plataforma/gui/GuardaEventos.h"
#include "plataforma/sistema/Impressoras.h"

namespace {

TFoInicial* g_existente = nullptr;

constexpr int kSemImpressora = 104;
constexpr int kImpressoraIndisponivel = 301;

QRadioButton* Opcao(const QString& nome, const QString& texto, QWidget* pai) {
  auto* r = new QRadioButton(texto, pai);
  r->setObjectName(nome);
  AparenciaDialogo::PintaTexto(r);
  return r;
}

// After an import that asked for its report: the report in preview when a printer can print it.
void RelatorioDaImportacao(TTolv& tolv, QWidget* dono) {
  if (!ListaImpressoras().empty() && !ImpressoraPadrao().isEmpty()) {
    const bool indisponivel = ImpressoraIndisponivel();
    if (indisponivel) ExibeMensagem(TErro::TextoMensagem(kImpressoraIndisponivel), TipoMensagem::Aviso);
    tolv.AtualizaIndicadoresAno();
    if (!indisponivel) DialogosDeclaracao::ImprimirRelatorioImportacao(dono);
  } else {
    TErro::MostraTexto(TErro::FormataMensagem(kSemImpressora, {}), TipoMensagem::Informacao);
  }
}

}  // namespace

TFoInicial::TFoInicial(TColecaoTolv& indice, QWidget* dono)
    : TDialogoDeclaracoes(TListaDeclaracoes::Modo::Inicial, indice, QStringLiteral("OKBtn"),
                          QStringLiteral("CancelBtn"), dono) {
  setObjectName(QStringLiteral("FoInicial"));
  setWindowTitle(QStringLiteral("Tolv 2014"));
  setProperty("contextoAjuda", 11000);
  setMinimumSize(520, 409);
  setMaximumWidth(520);
  resize(520, 430);
  g_existente = this;

  auto* quadro = AparenciaDialogo::Moldura(this, QStringLiteral("pnlEscolha"));
  auto* coluna = quadro->layoutInterno(10);
  coluna->setSpacing(6);
  m_nova = Opcao(QStringLiteral("RbNova"), QStringLiteral("Criar uma &nova declaração"), quadro);
  m_importa = Opcao(QStringLiteral("RbImporta"), QStringLiteral("&Importar dados"), quadro);
  m_abrir = Opcao(QStringLiteral("RbAbrir"), QStringLiteral("A&brir uma declaração já existente"), quadro);
  for (QRadioButton* r : {m_nova, m_importa, m_abrir}) coluna->addWidget(r);
  m_abrir->setChecked(true);
  Corpo()->insertWidget(0, quadro);

  for (QRadioButton* r : {m_nova, m_importa})
    connect(r, &QRadioButton::toggled, this, [this](bool marcado) {
      if (marcado) GuardaEventos::executa([this] { RbImportaClick(); });
    });
  connect(m_abrir, &QRadioButton::toggled, this, [this](bool marcado) {
    if (marcado) GuardaEventos::executa([this] { RbAbrirClick(); });
  });
  connect(Lista(), &TListaDeclaracoes::Escolhida, this, [this] { OKBtnClick(); });
}

TFoInicial::~TFoInicial() {
  if (g_existente == this) g_existente = nullptr;
}

TFoInicial* TFoInicial::Existente() { return g_existente; }

TFoInicial::Escolha TFoInicial::GetEscolha() const {
  if (m_abrir->isChecked()) return Escolha::Abrir;
  if (m_nova->isChecked()) return Escolha::Nova;
  if (m_importa->isChecked()) return Escolha::Importa;
  return Escolha::Nenhuma;
}

void TFoInicial::FormShow() {
  AparenciaDialogo::Posiciona(this, parentWidget(), 70 - 15, false);
  if (Lista()->Vazia()) {
    m_nova->setChecked(true);
    m_nova->setFocus(Qt::OtherFocusReason);
    m_abrir->setEnabled(false);
    Lista()->Habilita(false);
    return;
  }
  m_abrir->setEnabled(true);
  if (m_abrir->isChecked())
    RbAbrirClick();
  else
    m_abrir->setChecked(true);
  m_abrir->setFocus(Qt::OtherFocusReason);
  Lista()->DefineLinhaAtual(0);
}

void TFoInicial::RbImportaClick() {
  HabilitaOk(true);
  Lista()->Habilita(false);
}

void TFoInicial::RbAbrirClick() {
  Lista()->Habilita(true);
  Lista()->AplicaFiltro(0);
}

void TFoInicial::OKBtnClick() { accept(); }

bool TFoInicial::AlimentaBusca(const QWidget* alvo) const {
  // The grid, the choices and the dialog itself; what is typed into a filter box only filters.
  return !qobject_cast<const QLineEdit*>(alvo);
}

bool ExecutaInicial(TTolv& tolv, TColecaoTolv& indice, QWidget* dono) {
  if (TFoInicial::Existente()) return false;
  auto dialogo = std::make_unique<TFoInicial>(indice, dono);
  tolv.Limpar();
  tolv.SetTolvDK(QString());
  if (!dialogo->Lista()->Abre()) return false;
  if (dialogo->exec() != QDialog::Accepted) return false;

  switch (dialogo->GetEscolha()) {
    case TFoInicial::Escolha::Abrir: {
      const int atual = dialogo->Lista()->LinhaAtual();
      if (atual < 0) return false;
      const TModeloListaDeclaracoes::Linha linha = dialogo->Lista()->Modelo().LinhaEm(atual);
      MostraAguarde();
      std::optional<TErro> erro;
      bool carregada = false;
      {
        CursorEspera espera;
        dialogo.reset();
        try {
          carregada = TFoAbreDeclaracao::CarregaDaLinha(tolv, indice, linha);
        } catch (const TErro& e) {
          erro = e;
        }
      }
      FechaAguarde();
      // A damaged row, or one gone meanwhile, opens nothing.
      if (erro)
        erro->Mostra();
      else if (!carregada)
        AvisaDeclaracaoInexistente(0);
      return carregada;
    }
    case TFoInicial::Escolha::Nova:
      dialogo.reset();
      return ExecutaNovaDeclaracao(tolv, indice, dono);
    case TFoInicial::Escolha::Importa: {
      dialogo.reset();
      const DialogosDeclaracao::ResultadoImportacao resultado =
          DialogosDeclaracao::ExecutaAssistenteImportacao(indice, dono);
      indice.Atualiza();
      if (resultado.relatorio) RelatorioDaImportacao(tolv, dono);
      return resultado.importou &&
             ExecutaAbreDeclaracao(tolv, indice, QStringLiteral("Importação - Abrir Declaração"), dono);
    }
    case TFoInicial::Escolha::Nenhuma:
      break;
  }
  return false;
}
