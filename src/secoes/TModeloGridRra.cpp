#include "secoes/TModeloGridRra.h"

#include "controles/TModeloGridMeses.h"
#include "nucleo/TTolv.h"
#include "secoes/TzuqRra.h"

namespace {

const QString kZero = QStringLiteral("0,00");

}  // namespace

TModeloGridRra::TModeloGridRra(QObject* pai) : TModeloGrid(pai) {
  SetMultiLinha(true);
  SetDimensoes(kColunas, kLinhas, 1, 1);
}

TModeloGridRra::~TModeloGridRra() = default;

void TModeloGridRra::SetRra(TzuqRra* rra) {
  m_rra = rra;
  Reobserva();
  Atualiza();
}

void TModeloGridRra::Reobserva() {
  std::vector<IObservavel*> valores;
  // Every month of a series reaches its total: the totals are enough to hear every change.
  if (m_rra)
    for (int c = kRendimento; c <= kMeses; ++c) valores.push_back(Total(c));
  ObservaValores(valores);
}

void TModeloGridRra::ValorLiberado() { m_rra = nullptr; }

void TModeloGridRra::SetHabilitarMolestia(bool habilitar) {
  if (habilitar == m_habilitarMolestia) return;
  m_habilitarMolestia = habilitar;
  SetDimensoes(habilitar ? kColunas : kColunas - 1, kLinhas, 1, 1);
  Atualiza();
}

int TModeloGridRra::MapeiaColuna(int col) const { return !m_habilitarMolestia && col >= kMolestia ? col + 1 : col; }

int TModeloGridRra::ColunaExibida(int logica) const {
  if (m_habilitarMolestia || logica < kMolestia) return logica;
  return logica == kMolestia ? -1 : logica - 1;
}

TMonetario* TModeloGridRra::Valor(int coluna, int mes) const {
  if (!m_rra || mes < 1 || mes > 12) return nullptr;
  TValoresRra& v = m_rra->GetValores();
  switch (coluna) {
    case kRendimento: return &v.GetRendimento(mes);
    case kMolestia: return &v.GetMolestia(mes);
    case kDeducaoPO: return &v.GetDeducaoPO(mes);
    case kDeducaoPA: return &v.GetDeducaoPA(mes);
    case kRetido: return &v.GetRetido(mes);
    case kCustas: return &v.GetCustas(mes);
    case kMeses: return &v.GetMeses(mes);
    default: return nullptr;
  }
}

TMonetario* TModeloGridRra::Total(int coluna) const {
  if (!m_rra) return nullptr;
  TValoresRra& v = m_rra->GetValores();
  switch (coluna) {
    case kRendimento: return &v.GetTotalRendimento();
    case kMolestia: return &v.GetTotalMolestia();
    case kDeducaoPO: return &v.GetTotalDeducaoPO();
    case kDeducaoPA: return &v.GetTotalDeducaoPA();
    case kRetido: return &v.GetTotalRetido();
    case kCustas: return &v.GetTotalCustas();
    case kMeses: return &v.GetTotalMeses();
    default: return nullptr;
  }
}

QString TModeloGridRra::GetTextoValor(int coluna, int mes, bool formatado) const {
  const TMonetario* valor = Valor(coluna, mes);
  if (!valor) return kZero;
  return formatado ? valor->GetFormatado() : valor->GetValor();
}

void TModeloGridRra::SetTextoValor(int coluna, int mes, const QString& texto) {
  if (TMonetario* valor = Valor(coluna, mes)) valor->SetValor(TModeloGridMeses::CortaDecimais(texto));
}

QString TModeloGridRra::GetTextoTotal(int coluna) const {
  const TMonetario* total = Total(coluna);
  return total ? total->GetFormatado() : kZero;
}

QString TModeloGridRra::GetTextoCabecalho(int coluna) {
  static const QString titulos[kColunas] = {
      QStringLiteral("Mês"),
      QStringLiteral("Rendimento\rTributável"),
      QStringLiteral("Rend Isento\rMoléstia Grave"),
      QStringLiteral("Previdência\rOficial"),
      QStringLiteral("Pensão\rAlimentícia"),
      QStringLiteral("Imposto\rRetido"),
      QStringLiteral("Despesas\rAcão Judicial"),
      QStringLiteral("Quantidade\rde Meses"),
  };
  return coluna >= 0 && coluna < kColunas ? titulos[coluna] : QString();
}

QString TModeloGridRra::GetTextoMes(int linha) {
  static const QString meses[] = {
      QStringLiteral("Janeiro"), QStringLiteral("Fevereiro"), QStringLiteral("Março"),
      QStringLiteral("Abril"),   QStringLiteral("Maio"),      QStringLiteral("Junho"),
      QStringLiteral("Julho"),   QStringLiteral("Agosto"),    QStringLiteral("Setembro"),
      QStringLiteral("Outubro"), QStringLiteral("Novembro"),  QStringLiteral("Dezembro")};
  if (linha >= 1 && linha <= 12) return meses[linha - 1];
  if (linha == kLinhaTotais) return QStringLiteral("Totais");
  return {};
}

bool TModeloGridRra::MesBloqueado(int mes) const {
  if (!m_rra || !m_rra->GetDeclaracao() || mes < 1 || mes > 12) return false;
  return mes > m_rra->GetDeclaracao()->GetMesEvento();
}

bool TModeloGridRra::CelulaEditavel(int col, int lin) const {
  if (lin == kLinhaTotais) return false;
  if (col > 0 && MesBloqueado(lin)) return false;
  return TModeloGrid::CelulaEditavel(col, lin);
}

QString TModeloGridRra::GetTextoCelula(int col, int lin) const {
  if (!Contem(col, lin)) return {};
  const int coluna = MapeiaColuna(col);
  if (lin == 0) return GetTextoCabecalho(coluna);
  if (col == 0) return GetTextoMes(lin);
  if (lin == kLinhaTotais) return GetTextoTotal(coluna);
  return GetTextoValor(coluna, lin, true);
}

QString TModeloGridRra::GetTextoEdicao(int col, int lin) const {
  if (!Contem(col, lin) || EhFixa(col, lin) || lin == kLinhaTotais) return GetTextoCelula(col, lin);
  return GetTextoValor(MapeiaColuna(col), lin, false);
}

void TModeloGridRra::SetTextoCelula(int col, int lin, const QString& texto) {
  if (!Contem(col, lin) || EhFixa(col, lin) || lin == kLinhaTotais) return;
  SetTextoValor(MapeiaColuna(col), lin, texto);
}

QRect TModeloGridRra::GetAreaEditavel() const {
  QRect area = TModeloGrid::GetAreaEditavel();
  area.setBottom(area.bottom() - 1);
  return area;
}

int TModeloGridRra::MaxDigitosInteiros(int col, int) const { return MapeiaColuna(col) == kMeses ? 3 : 11; }

TModeloGrid::Pintura TModeloGridRra::PinturaDe(int col, int lin, Estado estado) const {
  if (estado.focada) return {Pintura::CelulaFocada, Pintura::Direita};
  if (lin == 0) return {Pintura::Cabecalho, Pintura::Centro};
  if (col == 0) {
    if (lin == kLinhaTotais) return {Pintura::TituloTotal, Pintura::Centro};
    return {Pintura::CelulaFixa, Pintura::Esquerda};
  }
  if (MesBloqueado(lin)) return {Pintura::CelulaFixa, Pintura::Direita};
  if (lin == kLinhaTotais) return {Pintura::CelulaTotal, Pintura::Direita};
  return {Pintura::Celula, Pintura::Direita};
}

const TMonetario* TModeloGridRra::MonetarioCelula(int col, int lin) const {
  if (!Contem(col, lin) || EhFixa(col, lin)) return nullptr;
  const int coluna = MapeiaColuna(col);
  return lin == kLinhaTotais ? Total(coluna) : Valor(coluna, lin);
}

bool TModeloGridRra::AceitaArrasto(int, int) const { return m_rra && m_rra->GetId() != 0; }
