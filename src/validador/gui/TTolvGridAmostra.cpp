#include "validador/gui/TTolvGridAmostra.h"

#include "validador/AmostraImportacao.h"

namespace {

// The number, the amounts and the two texts of a statement's line at widths that show them whole.
int LarguraComprovante(int coluna) {
  switch (coluna) {
    case 0: return 90;
    case 10: return 240;
    case 12: return 420;
    default: return 90;
  }
}

}  // namespace

TModeloGridAmostra::TModeloGridAmostra(QStringList titulos, std::function<int(int)> alinhamento, int linhasTabela,
                                       QObject* pai)
    : TModeloGrid(pai),
      m_titulos(std::move(titulos)),
      m_alinhamento(std::move(alinhamento)),
      m_celulas(size_t(linhasTabela), QStringList()) {}

void TModeloGridAmostra::SetLinhas(int linhas) { SetDimensoes(int(m_titulos.size()), linhas, 0, 1); }

void TModeloGridAmostra::Limpa() {
  for (QStringList& linha : m_celulas) linha.clear();
  Atualiza();
}

void TModeloGridAmostra::SetTextoCelula(int col, int lin, const QString& texto) {
  if (lin < 1 || lin >= LinhasTabela() || col < 0 || col >= m_titulos.size()) return;
  QStringList& linha = m_celulas[size_t(lin)];
  while (linha.size() <= col) linha << QString();
  linha[col] = texto;
}

QString TModeloGridAmostra::GetTextoCelula(int col, int lin) const {
  if (lin == 0) return m_titulos.value(col);
  if (lin < 0 || lin >= LinhasTabela()) return {};
  return m_celulas[size_t(lin)].value(col);
}

TModeloGrid::Pintura TModeloGridAmostra::PinturaDe(int col, int lin, Estado estado) const {
  if (lin == 0) return {Pintura::Cabecalho, Pintura::Centro};
  const auto alinhamento = Pintura::Alinhamento(m_alinhamento(col));
  return {estado.selecionada ? Pintura::CelulaFocadaLinha : Pintura::Celula, alinhamento};
}

TTolvGridAmostra::TTolvGridAmostra(QStringList titulos, std::function<int(int)> alinhamento,
                                   std::function<int(int)> largura, int linhasTabela, int linhas, QWidget* pai)
    : TTolvCustomGrid(pai), m_largura(std::move(largura)), m_escondidas(size_t(titulos.size()), false) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  auto* modelo = new TModeloGridAmostra(std::move(titulos), std::move(alinhamento), linhasTabela);
  SetModelo(modelo);
  modelo->SetLinhas(linhas);
  SetReadOnly(true);
  AjustaDimensoes();
}

void TTolvGridAmostra::AjustaDimensoes() {
  for (int c = 0; c < Modelo().ColCount(); ++c) {
    const bool escondida = c < int(m_escondidas.size()) && m_escondidas[size_t(c)];
    setColumnHidden(c, escondida);
    if (!escondida && m_largura && m_largura(c) > 0) SetLarguraColuna(c, m_largura(c));
  }
}

void TTolvGridAmostra::PoeCelulas(int linha, const QStringList& celulas) {
  for (int c = 0; c < celulas.size(); ++c) Modelo().SetTextoCelula(c, linha, celulas[c]);
  Modelo().Atualiza();
}

void TTolvGridAmostra::EscondeColuna(int col, bool esconde) {
  if (col < 0 || col >= int(m_escondidas.size())) return;
  m_escondidas[size_t(col)] = esconde;
  AjustaDimensoes();
}

TTolvGridImpCompr::TTolvGridImpCompr(QWidget* pai)
    : TTolvGridAmostra(AmostraComprovante::Titulos(), AmostraComprovante::Alinhamento, LarguraComprovante,
                       AmostraComprovante::kLinhas, 2, pai) {
  setObjectName(QStringLiteral("grdImpCompr"));
}

void TTolvGridImpCompr::PreencheLinha(int linha, const QString& texto) {
  PoeCelulas(linha, AmostraComprovante::Celulas(texto));
  if (linha + 1 >= Modelo().RowCount() && linha + 1 <= AmostraComprovante::kLinhas)
    ModeloAmostra().SetLinhas(linha + 1);
}

TTolvGridImpDecl::TTolvGridImpDecl(QWidget* pai)
    : TTolvGridAmostra(AmostraDeclaracao::Titulos(), AmostraDeclaracao::Alinhamento, AmostraDeclaracao::Largura,
                       AmostraDeclaracao::kLinhas, 20, pai) {
  setObjectName(QStringLiteral("grdImpDecl"));
}
