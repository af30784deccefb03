#include "entrega/TCompositorRegistros.h"

#include "entrega/EstadoGravacao.h"
#include "entrega/RotinasGravacao.h"
#include "entrega/SaidaDeclaracao.h"
#include "nucleo/UtilTexto.h"

void TCompositorRegistros::Grava() { m_saida.Grava(m_linha.Bytes()); }

LinhaRegistro& TCompositorRegistros::Inicia(const char* identificador, const QString& chave) {
  m_chave = chave;
  m_linha.Inicia(identificador, m_chave);
  return m_linha;
}

void TCompositorRegistros::IDREC(const QString& codigo) {
  m_codigo = codigo;
  m_chave = QStringLiteral("código ") + codigo;
  m_linha.Inicia("IDREC", m_chave);
  m_linha.Texto("Código_de_receita", codigo);
  Grava();
}

void TCompositorRegistros::BeneficiarioPF(const char* identificador, const QString& base, const QString& nome,
                                          const QDate& dataLaudo) {
  ++m_estado.QtdBeneficiariosPF;
  const QString cpf = GeraCPF(base);
  m_chave = QStringLiteral("CPF ") + cpf + QStringLiteral(", código ") + m_codigo;
  m_linha.Inicia(identificador, m_chave);
  m_linha.Texto("CPF", cpf);
  m_linha.Texto("Nome", NormalizaTextoArquivo(nome, true));
  if (DataVazia(dataLaudo))
    m_linha.Vazio();
  else
    m_linha.Ascii(dataLaudo.toString(QStringLiteral("yyyyMMdd")).toLatin1());
  Grava();
}

void TCompositorRegistros::BeneficiarioPJ(const char* identificador, const QString& base, const QString& nome,
                                          bool apostrofoParaBranco) {
  ++m_estado.QtdBeneficiariosPJ;
  const QString cnpj = GeraCNPJ(base);
  m_chave = QStringLiteral("CNPJ ") + cnpj + QStringLiteral(", código ") + m_codigo;
  m_linha.Inicia(identificador, m_chave);
  m_linha.Texto("CNPJ", cnpj);
  m_linha.Texto("Nome empresarial", NormalizaTextoArquivo(nome, apostrofoParaBranco));
  Grava();
}

bool TCompositorRegistros::Mensal(const char* identificador, const SerieArquivo& serie, int meses,
                                  int64_t* somaCentavos) {
  int64_t soma = 0;
  for (int m = 0; m < meses; ++m) soma += serie[m];
  if (soma <= 0) return false;
  m_linha.Inicia(identificador, m_chave);
  int64_t centavos = 0;
  for (int m = 0; m < meses; ++m) {
    const int64_t c = CentavosDe(serie[m]);
    centavos += c;
    m_linha.Centavos(c);
  }
  for (int m = meses; m < 13; ++m) m_linha.Vazio();
  Grava();
  if (somaCentavos) *somaCentavos = centavos;
  return true;
}

bool TCompositorRegistros::Decimos(const char* identificador, const SerieArquivo& serie) {
  int64_t soma = 0;
  for (int m = 0; m < 12; ++m) soma += serie[m];
  if (soma <= 0) return false;
  m_linha.Inicia(identificador, m_chave);
  for (int m = 0; m < 12; ++m) m_linha.Centavos(DecimosDe(serie[m]));
  Grava();
  return true;
}

void TCompositorRegistros::Irrf(const SerieArquivo& serie) {
  int64_t centavos = 0;
  if (Mensal("RTIRF", serie, 13, &centavos)) m_estado.TotalIrrf += centavos;
}

void TCompositorRegistros::Anual(const char* identificador, int64_t dezMilesimos) {
  if (dezMilesimos <= 0) return;
  m_linha.Inicia(identificador, m_chave);
  m_linha.Centavos(CentavosDe(dezMilesimos));
  Grava();
}

void TCompositorRegistros::Outros(int64_t dezMilesimos, const QString& descricao) {
  if (dezMilesimos <= 0) return;
  m_linha.Inicia("RIO", m_chave);
  m_linha.Centavos(CentavosDe(dezMilesimos));
  m_linha.Texto("Descrição_de_rendimentos_isentos_-_outros", NormalizaTextoArquivo(descricao, false));
  Grava();
}

void TCompositorRegistros::GrupoJudicial(const SeriesJudiciais& j) {
  if (!j.Existe) return;
  Mensal("CJAA", j.AnoAnterior);
  Mensal("CJAC", j.AnoAtual);
  Mensal("ESRT", j.Rendimento);
  Mensal("ESPO", j.DeducaoPO);
  Mensal("ESPP", j.DeducaoPP);
  Mensal("ESDP", j.DeducaoDP);
  Mensal("ESPA", j.DeducaoPA);
  int64_t centavos = 0;
  if (Mensal("ESIR", j.Retido, 13, &centavos)) m_estado.TotalIrrfSuspenso += centavos;
  Mensal("ESDJ", j.Deposito);
}

void TCompositorRegistros::ValoresPessoa(const ValoresLinha& l, bool judicial) {
  Mensal("RTRT", l.Rendimento);
  Mensal("RTPO", l.DeducaoPO);
  Mensal("RTPP", l.DeducaoPP);
  Mensal("RTDP", l.DeducaoDP);
  Mensal("RTPA", l.DeducaoPA);
  Irrf(l.Retido);
  Mensal("RIMOG", l.Molestia);
  if (judicial) GrupoJudicial(l.Judicial);
  Mensal("RIP65", l.Rip65);
  Mensal("RIDAC", l.Dac);
  Mensal("RIIRP", l.Pdv);
  Mensal("RIAP", l.Ap);
  Mensal("RIVC", l.Copa, 12);
  Mensal("RIBMR", l.Bolsa);
  Anual("RIPTS", l.TitularSocio);
  Anual("RIL96", l.LucrosDividendos);
  Outros(l.Outros, l.DescricaoOutros);
}

void TCompositorRegistros::ValoresEmpresa(const ValoresLinha& l) {
  Mensal("RTRT", l.Rendimento);
  Irrf(l.Retido);
}

void TCompositorRegistros::ValoresFundo(const ValoresLinha& l) {
  ValoresProcesso(l);
  Mensal("RIP65", l.Rip65);
  Mensal("RIDAC", l.Dac);
  Mensal("RIIRP", l.Pdv);
  Mensal("RIAP", l.Ap);
  Anual("RIPTS", l.TitularSocio);
  Anual("RIL96", l.LucrosDividendos);
  Outros(l.Outros, l.DescricaoOutros);
}

void TCompositorRegistros::ValoresProcesso(const ValoresLinha& l) {
  Mensal("RTRT", l.Rendimento);
  Mensal("RTPO", l.DeducaoPO);
  Mensal("RTPP", l.DeducaoPP);
  Mensal("RTDP", l.DeducaoDP);
  Mensal("RTPA", l.DeducaoPA);
  Irrf(l.Retido);
  Mensal("RIMOG", l.Molestia);
  GrupoJudicial(l.Judicial);
}
