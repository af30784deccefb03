#include "interface/TFoAbreDeclaracao.h"

#include <QLineEdit>

#include <memory>
#include <optional>

#include "controles/AparenciaDialogo.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/CursorEspera.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "nucleo/UtilJanelas.h"

namespace {
TFoAbreDeclaracao* g_existente = nullptr;
}

TFoAbreDeclaracao::TFoAbreDeclaracao(TTolv& tolv, TColecaoTolv& indice, const QString& titulo, QWidget* dono)
    : TDialogoDeclaracoes(TListaDeclaracoes::Modo::Abrir, indice, QStringLiteral("bbOK"), QStringLiteral("bbCancel"),
                          dono),
      m_tolv(tolv) {
  setObjectName(QStringLiteral("FoAbreDeclaracao"));
  setWindowTitle(titulo);
  setMinimumSize(518, 316);
  resize(600, 380);
  g_existente = this;
  connect(Lista(), &TListaDeclaracoes::Escolhida, this, [this] { OKBtnClick(); });
}

TFoAbreDeclaracao::~TFoAbreDeclaracao() {
  if (g_existente == this) g_existente = nullptr;
}

TFoAbreDeclaracao* TFoAbreDeclaracao::Existente() { return g_existente; }

void TFoAbreDeclaracao::FormShow() {
  AparenciaDialogo::Posiciona(this, parentWidget(), 20, true);
  HabilitaOk(true);
  Lista()->edtCPFCNPJ()->setFocus(Qt::OtherFocusReason);
}

bool TFoAbreDeclaracao::CarregaDaLinha(TTolv& tolv, TColecaoTolv& indice, const TModeloListaDeclaracoes::Linha& linha) {
  tolv.SetTolvDK(QString());
  tolv.GetContribuinte().SetTipo(linha.tipo == u"1" ? kNiCpf : kNiCnpj);
  tolv.GetContribuinte().SetNiPelaBase(linha.numero);
  tolv.SetAnoCalendario(linha.ano);
  return indice.CarregaTolv(tolv);
}

void TFoAbreDeclaracao::OKBtnClick() {
  const int atual = Lista()->LinhaAtual();
  if (atual < 0) return;
  const TModeloListaDeclaracoes::Linha linha = Lista()->Modelo().LinhaEm(atual);
  MostraAguarde();
  std::optional<TErro> erro;
  bool carregada = false;
  {
    CursorEspera espera;
    try {
      carregada = CarregaDaLinha(m_tolv, m_indice, linha);
    } catch (const TErro& e) {
      erro = e;
    }
  }
  if (carregada) {
    // The main window closes the wait form once the declaration shows.
    accept();
    return;
  }
  FechaAguarde();
  if (erro) {
    erro->Mostra();
    return;
  }
  // Gone from the index since the list was read: the list is read again without it.
  AvisaDeclaracaoInexistente(0);
  Lista()->Modelo().Abre(Lista()->Modelo().ClausulaAtual());
}

bool ExecutaAbreDeclaracao(TTolv& tolv, TColecaoTolv& indice, const QString& titulo, QWidget* dono) {
  if (TFoAbreDeclaracao::Existente()) return false;
  auto dialogo = std::make_unique<TFoAbreDeclaracao>(tolv, indice, titulo, dono);
  tolv.Limpar();
  tolv.SetTolvDK(QString());
  // A list that cannot be read has been told; there is nothing to choose from.
  if (!dialogo->Lista()->Abre()) return false;
  return dialogo->exec() == QDialog::Accepted;
}
