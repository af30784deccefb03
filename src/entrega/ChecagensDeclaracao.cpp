#include "entrega/ChecagensDeclaracao.h"

#include "nucleo/Cpf.h"
#include "nucleo/Erros.h"
#include "nucleo/Pendencia.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Consulta.h"

namespace {

constexpr uint8_t kAviso = 0;
constexpr uint8_t kErro = 1;

void Achado(TErros& erros, int codigo, uint8_t tipo, const QString& dono, const QString& quem, int objeto,
            const QString& argumentos = {}) {
  AdicionaPendencia<TErro>(erros, uint16_t(codigo), argumentos, tipo, dono, quem, uint8_t(objeto));
}

// Whether each section holds anything, without counting rows.
const char* const kFatos = R"(
SELECT
  CASE WHEN EXISTS (SELECT 1 FROM TOLV_ITENS WHERE E_FONTE_DK = :FONTE) THEN 1 ELSE 0 END AS LINHAS,
  CASE WHEN EXISTS (SELECT 1 FROM RRA_ITEM WHERE IN_TIPO_RRA = '1') THEN 1 ELSE 0 END AS RRA_DEC,
  CASE WHEN EXISTS (SELECT 1 FROM RRA_ITEM WHERE IN_TIPO_RRA = '2') THEN 1 ELSE 0 END AS RRA_JUS,
  CASE WHEN EXISTS (SELECT 1 FROM FONTES WHERE IN_TIPO = 0 AND FONTE_DK <> :FONTE) THEN 1 ELSE 0 END AS FUNDOS,
  CASE WHEN EXISTS (SELECT 1 FROM FONTES WHERE IN_TIPO = 1 AND FONTE_DK <> :FONTE) THEN 1 ELSE 0 END AS PROCESSOS,
  CASE WHEN EXISTS (SELECT 1 FROM TB_REMESSA) THEN 1 ELSE 0 END AS REMESSAS,
  CASE WHEN EXISTS (SELECT 1 FROM TB_PS_OPERADORA) THEN 1 ELSE 0 END AS PLANOS
FROM RDB$DATABASE
)";

}  // namespace

FatosSecoes FatosSecoes::Le(TTolv& declaracao) {
  bd::Consulta q(declaracao.GetTransacaoDeclaracao(), QString::fromLatin1(kFatos));
  bool ok = false;
  const int fonte = declaracao.GetFonteDK().toInt(&ok);
  q.param(QStringLiteral("FONTE"), ok ? fonte : 1);
  q.abre();
  FatosSecoes f;
  f.LinhasProprias = q.campo(QStringLiteral("LINHAS")).inteiro() != 0;
  f.RraDeclarante = q.campo(QStringLiteral("RRA_DEC")).inteiro() != 0;
  f.RraJustica = q.campo(QStringLiteral("RRA_JUS")).inteiro() != 0;
  f.AnexosFundo = q.campo(QStringLiteral("FUNDOS")).inteiro() != 0;
  f.AnexosProcesso = q.campo(QStringLiteral("PROCESSOS")).inteiro() != 0;
  f.Remessas = q.campo(QStringLiteral("REMESSAS")).inteiro() != 0;
  f.PlanosSaude = q.campo(QStringLiteral("PLANOS")).inteiro() != 0;
  q.fecha();
  return f;
}

void VerificaIdentificacao(TTolv& declaracao, TErros& erros) {
  TContribuinte& declarante = declaracao.GetContribuinte();
  const QString dono = declaracao.GetFonteDK();
  const QString quem = declarante.GetNiFormatado();
  declarante.VerificaNi(erros, dono, quem, 9);
  declarante.VerificaNome(erros, dono, quem, 10);
  const bool situacaoEspecial = declaracao.GetSituacaoEspecial() != 0;
  declarante.VerificaEvento(erros, dono, quem, 46, declaracao.GetDataEvento(), int16_t(declaracao.GetTipoEvento()),
                            situacaoEspecial);
  if (const int c = declaracao.ValidaNatureza(declaracao.GetNatureza(), false)) Achado(erros, c, kErro, dono, quem, 11);
  const QString ano = declaracao.GetAnoCalendario();
  if (const int c = TTolv::ValidaAnoCalendario(ano, false)) Achado(erros, c, kErro, dono, quem, 10, ano);
  // No date at all is the event rule's concern, not the date's.
  const QString data = declaracao.GetDataEvento();
  if (!data.trimmed().isEmpty())
    if (const int c = declaracao.ValidaDataEvento(data)) Achado(erros, c, kErro, dono, quem, 10, data);
  if (const int c = TTolv::ValidaTipoDeclaracao(declaracao.GetTipoDeclaracao())) Achado(erros, c, kErro, dono, quem, 13);
  if (const int c = TTolv::ValidaSituacaoEspecial(declaracao.GetSituacaoEspecial(), ano))
    Achado(erros, c, kErro, dono, quem, 14);
}

void VerificaIndicadores(const TTolv& declaracao, const IndicadoresSecoes& ind, const FatosSecoes& fatos,
                         TErros& erros, MarcadoresSecoes& marcadores) {
  auto inconsistente = [&] { Achado(erros, 274, kAviso, {}, {}, 0); };
  if (ind.PlanoSaude && !fatos.PlanosSaude) {
    Achado(erros, 263, kAviso, QStringLiteral("0"), QStringLiteral("cnpj"), 53);
    marcadores.PlanosSaude = false;
  } else if (!ind.PlanoSaude && fatos.PlanosSaude) {
    inconsistente();
  }
  if (ind.AdmFc && !fatos.AnexosFundo) {
    Achado(erros, 32, kAviso, QStringLiteral("1"), {}, 4);
    marcadores.FundosClubes = false;
  } else if (!ind.AdmFc && fatos.AnexosFundo) {
    inconsistente();
  }
  if (ind.Advogado && !fatos.Processos()) {
    Achado(erros, 169, kAviso, QStringLiteral("1"), declaracao.GetContribuinte().GetNiFormatado(), 5);
    marcadores.Justica = false;
  } else if (!ind.Advogado && fatos.AnexosProcesso) {
    inconsistente();
  }
  if (ind.Remessa && !fatos.Remessas) {
    Achado(erros, 222, kAviso, QStringLiteral("0"), QStringLiteral("0"), 6);
    marcadores.Remessas = false;
  } else if (!ind.Remessa && fatos.Remessas) {
    inconsistente();
  }
}

void VerificaRespCnpj(TTolv& declaracao, TErros& erros) {
  const QString cpf = declaracao.GetRespCnpj().GetNiDigitos();
  if (TCpf::ValidaCpf(cpf, false) == 0) return;
  Achado(erros, 232, kErro, QStringLiteral("1"), declaracao.GetContribuinte().GetNiFormatado(), 12,
         declaracao.GetRespCnpj().GetNiFormatado());
}

void VerificaSemBeneficiario(const QString& tipoDeclaracao, const IndicadoresSecoes& ind, const FatosSecoes& fatos,
                             const QString& fonte, TErros& erros) {
  if (fatos.BeneficiariosProprios()) return;
  auto achado = [&](int codigo, uint8_t tipo) { Achado(erros, codigo, tipo, fonte, {}, 22); };
  // Payments abroad and health plans count only under their indicators, as the file carries them;
  // processes count with the court's accumulated income.
  const bool fundos = fatos.AnexosFundo && ind.AdmFc;
  const bool remessas = fatos.Remessas && ind.Remessa;
  const bool planos = fatos.PlanosSaude && ind.PlanoSaude;
  if (tipoDeclaracao != QStringLiteral("R")) {
    if (fundos || remessas)
      achado(275, kAviso);
    else
      achado(89, kErro);
    return;
  }
  const bool outros = fatos.AnexosFundo || fatos.Processos() || remessas;
  if (!outros && !planos)
    achado(91, kAviso);
  else if (!outros)
    achado(90, kErro);
  else if (fundos)
    achado(275, kAviso);
  else if (remessas && (fatos.AnexosFundo || !ind.AdmFc))
    achado(275, kAviso);
  else
    achado(90, kAviso);
}
