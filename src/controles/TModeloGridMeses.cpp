#include "controles/TModeloGridMeses.h"

#include "nucleo/Monetario.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"

namespace {

const QString kZero = QStringLiteral("0,00");

}  // namespace

TModeloGridMeses::TModeloGridMeses(QObject* pai, int colunas) : TModeloGrid(pai) {
  SetDimensoes(colunas, 15, 1, 1);
}

TModeloGridMeses::~TModeloGridMeses() = default;

void TModeloGridMeses::SetDecimoTerceiro(bool decimoTerceiro) {
  if (decimoTerceiro == m_decimoTerceiro) return;
  m_decimoTerceiro = decimoTerceiro;
  SetDimensoes(ColCount(), decimoTerceiro ? 15 : 14, 1, 1);
  Atualiza();
}

void TModeloGridMeses::SetTolvItem(TTolvItem* item) {
  m_item = item;
  ReobservaItem();
  Atualiza();
}

void TModeloGridMeses::ReobservaItem() {
  std::vector<IObservavel*> valores;
  if (m_item) ListaObservados(*m_item, valores);
  ObservaValores(valores);
}

void TModeloGridMeses::ValorLiberado() { m_item = nullptr; }

int TModeloGridMeses::MapeiaLinha(int lin) {
  if (lin == kLinhaTotais) return kDadoTotais;
  if (lin == kLinhaDecimo) return kMesDecimo;
  return lin;
}

QString TModeloGridMeses::GetValorCelula(int colDados, int mes, bool formatado) const {
  const TMonetario* valor = m_item ? MonetarioDados(colDados, mes) : nullptr;
  if (!valor) return kZero;
  return formatado ? valor->GetFormatado() : valor->GetValor();
}

void TModeloGridMeses::SetValorCelula(int colDados, int mes, const QString& texto) {
  if (!m_item) return;
  if (TMonetario* valor = MonetarioDados(colDados, mes)) valor->SetValor(CortaDecimais(texto));
}

QString TModeloGridMeses::GetTotalColuna(int colDados) const {
  const TMonetario* total = m_item ? TotalDados(colDados) : nullptr;
  return total ? total->GetFormatado() : kZero;
}

QString TModeloGridMeses::GetTituloColuna(int colDados) const {
  static const QString titulos[] = {QStringLiteral("Mês"), QStringLiteral("Rendimento Tributável"),
                                    QStringLiteral("Deduções"), QStringLiteral("Imposto Retido"),
                                    QStringLiteral("DepositoJudicial")};
  return colDados >= 0 && colDados < 5 ? titulos[colDados] : QString();
}

QString TModeloGridMeses::GetTituloLinha(int linDados) const {
  static const QString meses[] = {
      QStringLiteral("Janeiro"), QStringLiteral("Fevereiro"), QStringLiteral("Março"),
      QStringLiteral("Abril"),   QStringLiteral("Maio"),      QStringLiteral("Junho"),
      QStringLiteral("Julho"),   QStringLiteral("Agosto"),    QStringLiteral("Setembro"),
      QStringLiteral("Outubro"), QStringLiteral("Novembro"),  QStringLiteral("Dezembro")};
  if (linDados >= 1 && linDados <= 12) return meses[linDados - 1];
  if (linDados == kMesDecimo) return QStringLiteral("13º Salário");
  if (linDados == kDadoTotais) return QStringLiteral("Totais");
  return {};
}

bool TModeloGridMeses::MesBloqueado(int mes) const {
  return m_item && mes >= 1 && mes <= 12 && mes > m_item->GetDeclaracao().GetMesEvento();
}

bool TModeloGridMeses::CelulaEditavel(int col, int lin) const {
  if (!TModeloGrid::CelulaEditavel(col, lin) || lin == kLinhaTotais) return false;
  return !(BloqueiaMeses() && MesBloqueado(MapeiaLinha(lin)));
}

QString TModeloGridMeses::GetTextoCelula(int col, int lin) const {
  if (!Contem(col, lin)) return {};
  const int colDados = MapeiaColuna(col);
  const int linDados = MapeiaLinha(lin);
  if (lin == 0) return GetTituloColuna(colDados);
  if (col == 0) return GetTituloLinha(linDados);
  if (linDados == kDadoTotais) return GetTotalColuna(colDados);
  return GetValorCelula(colDados, linDados, true);
}

QString TModeloGridMeses::GetTextoEdicao(int col, int lin) const {
  if (!Contem(col, lin) || EhFixa(col, lin) || lin == kLinhaTotais) return GetTextoCelula(col, lin);
  return GetValorCelula(MapeiaColuna(col), MapeiaLinha(lin), false);
}

void TModeloGridMeses::SetTextoCelula(int col, int lin, const QString& texto) {
  if (!Contem(col, lin) || EhFixa(col, lin) || lin == kLinhaTotais) return;
  SetValorCelula(MapeiaColuna(col), MapeiaLinha(lin), texto);
}

QRect TModeloGridMeses::GetAreaEditavel() const {
  QRect area = TModeloGrid::GetAreaEditavel();
  if (!m_decimoTerceiro) area.setBottom(area.bottom() - 1);
  return area;
}

TModeloGrid::Pintura TModeloGridMeses::PinturaDe(int col, int lin, Estado estado) const {
  if (estado.focada) return {Pintura::CelulaFocada, Pintura::Direita};
  if (lin == 0) return {Pintura::Cabecalho, Pintura::Centro};
  if (col == 0 && lin != kLinhaTotais) return {Pintura::CelulaFixa, Pintura::Esquerda};
  if (lin == kLinhaTotais)
    return col == 0 ? Pintura{Pintura::TituloTotal, Pintura::Centro} : Pintura{Pintura::CelulaTotal, Pintura::Direita};
  if (!CelulaEditavel(col, lin)) return {Pintura::CelulaFixa, Pintura::Direita};
  return {Pintura::Celula, Pintura::Direita};
}

const TMonetario* TModeloGridMeses::MonetarioCelula(int col, int lin) const {
  if (!m_item || !Contem(col, lin) || EhFixa(col, lin)) return nullptr;
  const int colDados = MapeiaColuna(col);
  const int linDados = MapeiaLinha(lin);
  return linDados == kDadoTotais ? TotalDados(colDados) : MonetarioDados(colDados, linDados);
}

bool TModeloGridMeses::AceitaArrasto(int, int) const { return m_item && !m_item->GetTolvItemDK().isEmpty(); }

QString TModeloGridMeses::CortaDecimais(const QString& texto) {
  const qsizetype virgula = texto.indexOf(u',');
  if (virgula < 0) return texto;
  int digitos = 0;
  for (qsizetype i = virgula + 1; i < texto.size(); ++i) {
    if (texto[i] >= u'0' && texto[i] <= u'9' && ++digitos == 2) return texto.left(i + 1);
  }
  return texto;
}

void TModeloGridMeses::SetColunas(int colunas) { SetDimensoes(colunas, RowCount(), 1, 1); }
