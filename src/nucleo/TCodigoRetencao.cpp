#include "nucleo/TCodigoRetencao.h"

#include <initializer_list>

namespace {

// A text column read as a Boolean: true when it starts with T or Y, in either case.
bool TextoBooleano(const QString& texto) {
  if (texto.isEmpty()) return false;
  const QChar c = texto.at(0).toUpper();
  return c == u'T' || c == u'Y';
}

bool Entre(uint8_t natureza, std::initializer_list<uint8_t> naturezas) {
  for (uint8_t n : naturezas)
    if (n == natureza) return true;
  return false;
}

// Moving may drop nothing that the previous code admitted.
bool Cobre(bool novo, bool anterior) { return novo || !anterior; }

}  // namespace

void TCodigoRetencao::CarregaColunas(const Colunas& linha, uint8_t natureza) {
  m_ano = linha.ano;
  m_codigo = linha.codRetencao;
  m_pfPjAmbos = linha.pfPjAmbos;
  m_resumo = linha.resumo;
  m_regime = linha.regime;
  m_comprovante = linha.comprovante;
  m_anexo = linha.anexo;

  const QString& ded = linha.deducao;
  m_deducaoAnexo = false;
  m_deducaoPO = ded.contains(u'1');
  m_deducaoPP = ded.contains(u'2');
  m_deducaoDP = ded.contains(u'3');
  m_deducaoPA = ded.contains(u'4');

  const QString& isen = linha.rendimentosIsentos;
  m_isentoRip65 = isen.contains(u'1');
  m_isentoDac = isen.contains(u'2');
  m_isentoPdv = isen.contains(u'3');
  m_isentoAp = isen.contains(u'4');
  m_isentoOutros = isen.contains(u'5');
  m_isentoMolestia = isen.contains(u'6');
  m_isentoLucroTitular =
      (isen.contains(u'7') || isen.contains(u'8')) && Entre(natureza, {0, 3, 4, 8});
  m_isentoBolsa = isen.contains(u'A') && Entre(natureza, {0, 1, 2, 8});
  m_isentoCopa = isen.contains(u'B') && Entre(natureza, {0, 8});
  m_admiteIsentos = m_isentoRip65 || m_isentoDac || m_isentoPdv || m_isentoAp || m_isentoOutros ||
                    m_isentoMolestia || m_isentoLucroTitular || m_isentoBolsa || m_isentoCopa;

  m_in4 = TextoBooleano(linha.in4);
  m_subJudice = TextoBooleano(linha.subJudice);
  m_naturezas = linha.natDeclarante;

  // Before 2005 the court codes did not tell the courts apart.
  m_classeJustica = 0;
  if (m_ano >= QStringLiteral("2005")) {
    if (m_codigo == u"5928")
      m_classeJustica = 1;
    else if (m_codigo == u"5936")
      m_classeJustica = 2;
    else if (m_codigo == u"1895")
      m_classeJustica = 3;
  }

  m_decimoTerceiro = linha.decimoTerceiro == u"T";
}

void TCodigoRetencao::Limpar() {
  const QString anexo = m_anexo;
  const uint8_t classe = m_classeJustica;
  *this = TCodigoRetencao();
  m_anexo = anexo;
  m_classeJustica = classe;
}

bool TCodigoRetencao::CompativelCom(const TCodigoRetencao& anterior) const {
  return Cobre(m_deducaoPO, anterior.m_deducaoPO) && Cobre(m_deducaoPP, anterior.m_deducaoPP) &&
         Cobre(m_deducaoDP, anterior.m_deducaoDP) && Cobre(m_deducaoPA, anterior.m_deducaoPA) &&
         Cobre(m_isentoRip65, anterior.m_isentoRip65) && Cobre(m_isentoDac, anterior.m_isentoDac) &&
         Cobre(m_isentoBolsa, anterior.m_isentoBolsa) && Cobre(m_isentoPdv, anterior.m_isentoPdv) &&
         Cobre(m_isentoAp, anterior.m_isentoAp) && Cobre(m_isentoCopa, anterior.m_isentoCopa) &&
         Cobre(m_isentoOutros, anterior.m_isentoOutros) &&
         Cobre(m_isentoMolestia, anterior.m_isentoMolestia);
}
