#include "interface/TFoExcluiDeclaracao.h"

#include <QLineEdit>

#include <optional>

#include "controles/AparenciaDialogo.h"
#include "nucleo/ArquivosDeclaracao.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/CursorEspera.h"
#include "nucleo/Erros.h"
#include "nucleo/NiContribuinte.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/ErroBanco.h"

namespace {
TFoExcluiDeclaracao* g_existente = nullptr;
}

TFoExcluiDeclaracao::TFoExcluiDeclaracao(TColecaoTolv& indice, QWidget* dono)
    : TDialogoDeclaracoes(TListaDeclaracoes::Modo::Excluir, indice, QStringLiteral("OKBtn"),
                          QStringLiteral("CancelBtn"), dono),
      m_erros(std::make_unique<TErros>()),
      m_tolv(std::make_unique<TTolv>()) {
  setObjectName(QStringLiteral("FoExcluiDeclaracao"));
  setWindowTitle(QStringLiteral("Excluir declaração"));
  setProperty("contextoAjuda", 11020);
  setMinimumSize(518, 316);
  resize(600, 380);
  m_tolv->SetErros(m_erros.get());
  g_existente = this;
  HabilitaOk(false);
  connect(Lista(), &TListaDeclaracoes::MarcasMudaram, this, [this](int quantidade) { HabilitaOk(quantidade > 0); });
}

TFoExcluiDeclaracao::~TFoExcluiDeclaracao() {
  m_tolv->LiberaItens();
  if (g_existente == this) g_existente = nullptr;
}

TFoExcluiDeclaracao* TFoExcluiDeclaracao::Existente() { return g_existente; }

void TFoExcluiDeclaracao::FormShow() {
  AparenciaDialogo::Posiciona(this, parentWidget(), 20, true);
  HabilitaOk(!Lista()->Modelo().Marcas().isEmpty());
  Lista()->edtCPFCNPJ()->setFocus(Qt::OtherFocusReason);
}

bool TFoExcluiDeclaracao::ArquivoExcluivel(const QString& nome) {
  if (nome.contains(u'/') || nome.contains(u'\\') || nome.contains(QStringLiteral(".."))) return false;
  return ArquivosDeclaracao::EhBancoDeclaracao(nome);
}

void TFoExcluiDeclaracao::Exclui(const TModeloListaDeclaracoes::Linha& linha) {
  TTolv& tolv = *m_tolv;
  tolv.Limpar();
  tolv.SetTolvDK(QString::number(linha.chave));
  tolv.SetArquivo(linha.arquivo);
  // Without a file name in the row, the name follows the number and the year.
  tolv.CarregaAnoCalendario(linha.ano);
  tolv.GetContribuinte().SetNi(linha.numero + TNiContribuinte::CalculaDVNi(linha.numero));
  const QString arquivo = linha.arquivo.isEmpty() ? tolv.GetNomeBancoDeclaracao() : linha.arquivo;
  if (!ArquivoExcluivel(arquivo)) {
    ExibeMensagem(QStringLiteral("A declaração ") + tolv.GetContribuinte().GetNiFormatado() +
                      QStringLiteral(" não foi excluída: o índice indica como seu banco de dados \"") + arquivo +
                      QStringLiteral("\", que não é um arquivo de declaração da pasta de dados."),
                  TipoMensagem::Erro);
    return;
  }
  {
    CursorEspera espera;
    m_indice.Exclui(tolv);
  }
  if (bd::Conexao* conexao = TColecao::GetBancoDeclaracao()) {
    try {
      conexao->desconecta();
    } catch (const bd::ErroBanco&) {
      // The attachment is released either way.
    }
    conexao->defineArquivo(QString());
  }
}

void TFoExcluiDeclaracao::OKBtnClick() {
  const QList<int> marcas = Lista()->Modelo().Marcas();
  const auto n = marcas.size();
  if (n == 0) return;
  const QString pergunta = n > 1 ? QStringLiteral("Deseja excluir as %1 declarações?").arg(n)
                                 : QStringLiteral("Deseja excluir a declaração selecionada?");
  if (ExibeMensagem(pergunta, TipoMensagem::Confirmacao) != ResultadoMensagem::Sim) {
    reject();
    return;
  }
  TGradeListaDeclaracoes* grade = Lista()->Grade();
  grade->setUpdatesEnabled(false);
  for (int chave : marcas) {
    const TModeloListaDeclaracoes::Linha* achada = Lista()->Modelo().LinhaDaChave(chave);
    if (!achada) continue;
    const TModeloListaDeclaracoes::Linha linha = *achada;
    std::optional<TErro> erro;
    try {
      Exclui(linha);
    } catch (const TErro& e) {
      erro = e;
    }
    // One declaration that stays does not keep the others.
    if (erro) erro->Mostra();
  }
  Lista()->Modelo().LimpaMarcas();
  grade->setUpdatesEnabled(true);
  accept();
}

bool ExecutaExcluiDeclaracao(TColecaoTolv& indice, QWidget* dono) {
  if (TFoExcluiDeclaracao::Existente()) return false;
  auto dialogo = std::make_unique<TFoExcluiDeclaracao>(indice, dono);
  // A list that cannot be read has been told; the dialog still opens, empty.
  dialogo->Lista()->Abre();
  return dialogo->exec() == QDialog::Accepted;
}
