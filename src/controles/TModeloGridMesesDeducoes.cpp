#include "controles/TModeloGridMesesDeducoes.h"

TModeloGridMesesDeducoes::TModeloGridMesesDeducoes(QObject* pai, int colunasDados)
    : TModeloGridMeses(pai), m_colunasDados(colunasDados) {
  SetColunas(colunasVisiveis());
}

void TModeloGridMesesDeducoes::SetVisaoMolestia(bool visao) {
  if (visao == m_visaoMolestia) return;
  m_visaoMolestia = visao;
  Atualiza();
}

int TModeloGridMesesDeducoes::MapeiaColuna(int col) const {
  int c = col;
  if (!m_molestia && c > 1) ++c;
  if (!m_deducao && c > 2) ++c;
  if (!m_deducaoPO && c > 3) ++c;
  if (!m_deducaoPP && c > 4) ++c;
  if (!m_deducaoDP && c > 5) ++c;
  if (!m_deducaoPA && c > 6) ++c;
  return c;
}

QString TModeloGridMesesDeducoes::GetTituloColuna(int colDados) const {
  if (colDados < 0 || colDados >= int(m_titulos.size())) return {};
  if (m_titulos[size_t(colDados)]) return *m_titulos[size_t(colDados)];
  return TituloPadrao(colDados);
}

void TModeloGridMesesDeducoes::SetTituloColuna(int colDados, const QString& titulo) {
  if (colDados < 0 || colDados >= int(m_titulos.size())) return;
  m_titulos[size_t(colDados)] = titulo;
  Atualiza();
}

QString TModeloGridMesesDeducoes::TituloPadrao(int colDados) const {
  static const char16_t* const multiLinha[] = {
      u"Mês", u"Rendimento\rTributável", u"Rend Isento\rMoléstia Grave", u"Deduções", u"Previdência\rOficial",
      u"Previdência\rPriv e FAPI", u"Dependentes", u"Pensão\rAlimentícia", u"Imposto\rRetido", u"Depósito\rJudicial"};
  static const char16_t* const umaLinha[] = {
      u"Mês", u"Rendimento Tributável", u"Rendimento Isento Moléstia Grave", u"Deduções", u"Previdência Oficial",
      u"Previdência Priv e FAPI", u"Dependentes", u"Pensão Alimentícia", u"Imposto Retido", u"Depósito Judicial"};
  if (colDados < 0 || colDados > 9) return {};
  return QString::fromUtf16(MultiLinha() ? multiLinha[colDados] : umaLinha[colDados]);
}

void TModeloGridMesesDeducoes::mudaVisivel(bool& flag, bool valor) {
  if (flag == valor) return;
  // The cells move: an open editor stores into the one it was opened on.
  emit DimensoesVaoMudar();
  flag = valor;
  SetColunas(colunasVisiveis());
  Atualiza();
}

int TModeloGridMesesDeducoes::colunasVisiveis() const {
  int ocultas = 0;
  for (bool visivel : {m_molestia, m_deducao, m_deducaoPO, m_deducaoPP, m_deducaoDP, m_deducaoPA})
    if (!visivel) ++ocultas;
  return m_colunasDados - ocultas;
}
