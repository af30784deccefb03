#include "entrega/SecaoLiberada.h"

#include "nucleo/TTolv.h"

IndicadoresSecoes IndicadoresSecoes::De(const TTolv& declaracao) {
  IndicadoresSecoes i;
  i.AdmFc = declaracao.GetInAdmFC() != 0;
  i.Advogado = declaracao.GetInAdvogado() != 0;
  i.PlanoSaude = declaracao.GetInPlanoSaude() != 0;
  i.Remessa = declaracao.GetInRemessa() != 0;
  return i;
}

IndicadoresSecoes IndicadoresSecoes::DasColunas(int inAdmFc, int inAdvogado, int inPlanoSaude, const QString& inRemessa) {
  IndicadoresSecoes i;
  i.AdmFc = inAdmFc != 0;
  i.Advogado = inAdvogado != 0;
  i.PlanoSaude = inPlanoSaude != 0;
  i.Remessa = inRemessa.trimmed() != u"N";
  return i;
}

bool SecaoLiberada(SecaoIndicada secao, const IndicadoresSecoes& i) {
  switch (secao) {
    case SecaoIndicada::FundosClubes: return i.AdmFc;
    case SecaoIndicada::Processos:
    case SecaoIndicada::RraJustica: return i.Advogado;
    case SecaoIndicada::PlanosSaude: return i.PlanoSaude;
    case SecaoIndicada::Remessas: return i.Remessa;
  }
  return false;
}

QString NomeSecaoIndicada(SecaoIndicada secao) {
  switch (secao) {
    case SecaoIndicada::FundosClubes: return QStringLiteral("Fundo ou clube de investimento");
    case SecaoIndicada::Processos: return QStringLiteral("Justiça do trabalho/federal/estadual/Distrito Federal");
    case SecaoIndicada::RraJustica: return QStringLiteral("Rendimentos recebidos acumuladamente - Justiça");
    case SecaoIndicada::PlanosSaude: return QStringLiteral("Plano privado de assistência à saúde - coletivo empresarial");
    case SecaoIndicada::Remessas: return QStringLiteral("Rendimentos pagos a residentes ou domiciliados no exterior");
  }
  return {};
}

QString NomeIndicadorSecao(SecaoIndicada secao) {
  switch (secao) {
    case SecaoIndicada::FundosClubes:
      return QStringLiteral("instituição administradora ou intermediadora de fundo ou clube de investimento");
    case SecaoIndicada::Processos:
    case SecaoIndicada::RraJustica:
      return QStringLiteral("depositário de crédito decorrente de decisão judicial");
    case SecaoIndicada::PlanosSaude: return QStringLiteral("plano privado de assistência à saúde coletivo empresarial");
    case SecaoIndicada::Remessas: return QStringLiteral("rendimentos pagos a residentes ou domiciliados no exterior");
  }
  return {};
}
