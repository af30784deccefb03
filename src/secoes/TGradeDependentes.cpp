#include "secoes/TGradeDependentes.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTimer>

#include "controles/TTolvCustomInplaceEdit.h"
#include "nucleo/CaixaMensagem.h"
#include "plataforma/gui/GuardaEventos.h"

namespace {
// Characters of the columns' cells at most, as typed.
constexpr int kLimites[TModeloDependentes::kColunas] = {11, 60, 8, 2, 11};
// Widths in characters, the date wide enough for its caption.
constexpr int kLarguras[TModeloDependentes::kColunas] = {14, 52, 19, 27, 16};
}  // namespace

TGradeDependentes::TGradeDependentes(QWidget* pai) : TTolvCustomGrid(pai) {
  setObjectName(QStringLiteral("grdDependente"));
  m_dependentes = new TModeloDependentes(this);
  SetModelo(m_dependentes);
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &TGradeDependentes::aoMudarCelula);
  connect(m_dependentes, &TModeloGrid::DimensoesAlteradas, this, [this] {
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &TGradeDependentes::aoMudarCelula,
            Qt::UniqueConnection);
  });
}

int TGradeDependentes::LinhaAtual() const {
  const int lin = Row();
  return lin < 1 ? -1 : TModeloDependentes::LinhaDados(lin);
}

void TGradeDependentes::VaiPara(int linha, int coluna) {
  if (linha < 0 || linha >= m_dependentes->Quantidade()) return;
  SelecionaCelula(coluna, TModeloDependentes::LinhaGrade(linha));
}

bool TGradeDependentes::Confirma() {
  if (!ConfirmaValor()) return false;
  if (m_dependentes->Pendente() < 0) return true;
  m_confirmando = true;
  const auto recusa = m_dependentes->Confirma();
  m_confirmando = false;
  if (recusa) VaiPara(recusa->linha, recusa->coluna);
  return !recusa;
}

void TGradeDependentes::AjustaDimensoes() {
  const int caractere = fontMetrics().averageCharWidth();
  int soma = 0;
  for (int c = 0; c < TModeloDependentes::kColunas; ++c) soma += kLarguras[c] * caractere;
  // The columns share out the width of the grid in their design proportions.
  const int disponivel = viewport()->width();
  for (int c = 0; c < TModeloDependentes::kColunas; ++c) {
    const int desenho = kLarguras[c] * caractere;
    SetLarguraColuna(c, disponivel > soma ? desenho * disponivel / soma : desenho);
  }
}

void TGradeDependentes::configuraEditor() {
  const int col = Col();
  if (col < 0 || col >= TModeloDependentes::kColunas) return;
  SetEditLimit(kLimites[col]);
  if (TTolvCustomInplaceEdit* editor = Editor()) {
    editor->SetLimiteTexto(kLimites[col]);
    editor->SetTipoDeDado(col == TModeloDependentes::ColNome   ? TTipoDeDado::AlfaNumerico
                          : col == TModeloDependentes::ColValor ? TTipoDeDado::Numerico
                                                                : TTipoDeDado::ApenasNumeros);
    editor->SetAlignment(col == TModeloDependentes::ColValor ? Qt::AlignRight : Qt::AlignLeft);
    editor->removeEventFilter(this);
    editor->installEventFilter(this);
  }
}

void TGradeDependentes::keyPressEvent(QKeyEvent* evento) {
  if (evento->key() == Qt::Key_Escape && !EditorAberto()) {
    evento->accept();
    GuardaEventos::executa([this] {
      if (m_dependentes->Pendente() < 0) return;
      if (MostraMensagem(QStringLiteral("Deseja cancelar as alterações?"), QStringLiteral("Cancelar"), 4 | 32) ==
          ResultadoMensagem::Sim)
        m_dependentes->Cancela();
    });
    return;
  }
  // The editor takes the column's keys from its very first one.
  if (!Editor() && !evento->text().isEmpty() && PodeEditar()) {
    AbreEditor();
  }
  configuraEditor();
  TTolvCustomGrid::keyPressEvent(evento);
}

bool TGradeDependentes::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == Editor() && evento->type() == QEvent::KeyPress && CelulaEditor().x() == TModeloDependentes::ColRelacao) {
    const QString texto = static_cast<QKeyEvent*>(evento)->text();
    // Only the digits of the relations' codes.
    if (!texto.isEmpty() && texto.at(0).unicode() >= 32 && !QStringLiteral("013468").contains(texto.at(0)))
      return true;
  }
  return TTolvCustomGrid::eventFilter(objeto, evento);
}

void TGradeDependentes::aoMudarCelula(const QModelIndex& atual, const QModelIndex& anterior) {
  configuraEditor();
  const int pendente = m_dependentes->Pendente();
  if (m_confirmando || pendente < 0 || !anterior.isValid() || anterior.row() != pendente) return;
  if (atual.isValid() && atual.row() == anterior.row()) return;
  // Left the pending row: it is stored once the move is over (storing reloads the rows).
  QTimer::singleShot(0, this, [this] {
    if (m_dependentes->Pendente() >= 0 && LinhaAtual() != m_dependentes->Pendente()) GuardaEventos::executa([this] { Confirma(); });
  });
}
