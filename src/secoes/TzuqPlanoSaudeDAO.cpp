#include "secoes/TzuqPlanoSaudeDAO.h"

#include "secoes/CarregaContribuinte.h"
#include "secoes/TzuqPlanoSaude.h"

namespace {
const QString kEmpresa = QStringLiteral("2");

QString Registro(const TzuqPlanoSaude& operadora) {
  return TRegistroAns::RetiraMascara(operadora.GetRegistroAns().GetValor().trimmed());
}
}  // namespace

TzuqPlanoSaudeDAO::TzuqPlanoSaudeDAO() : TColecaoSecao(QStringLiteral("TB_PS_OPERADORA")) {}

int TzuqPlanoSaudeDAO::Inclui(TzuqPlanoSaude& operadora) {
  bd::Procedimento& p = Procedimento(QStringLiteral("INCLUI_PS_OPERADORA"));
  p.param(QStringLiteral("TPO_IN_PF_PJ"), kEmpresa);
  p.param(QStringLiteral("TPO_NR_PF_PJ"), operadora.GetContribuinte().GetBase());
  p.param(QStringLiteral("TPO_REGISTRO_ANS"), Registro(operadora));
  p.param(QStringLiteral("NM_NM_EMPR"), operadora.GetContribuinte().GetNome().GetValor());
  Grava(p);
  const int chave = p.saida(QStringLiteral("TPO_ID_R")).inteiro();
  operadora.SetId(chave);
  return chave;
}

void TzuqPlanoSaudeDAO::Atualiza(const TzuqPlanoSaude& operadora) {
  bd::Procedimento& p = Procedimento(QStringLiteral("ATUALIZAR_PS_OPERADORA"));
  p.param(QStringLiteral("TPO_ID"), operadora.GetId());
  p.param(QStringLiteral("TPO_IN_PF_PJ"), kEmpresa);
  p.param(QStringLiteral("TPO_NR_PF_PJ"), operadora.GetContribuinte().GetBase());
  p.param(QStringLiteral("TPO_REGISTRO_ANS"), Registro(operadora));
  p.param(QStringLiteral("NM_NM_EMPR"), operadora.GetContribuinte().GetNome().GetValor());
  Grava(p);
}

void TzuqPlanoSaudeDAO::Exclui(const TzuqPlanoSaude& operadora) {
  bd::Procedimento& p = Procedimento(QStringLiteral("EXCLUI_PS_OPERADORA"));
  p.param(QStringLiteral("TPO_ID"), operadora.GetId());
  GravaExclusao(p);
}

int TzuqPlanoSaudeDAO::JaExiste(const TzuqPlanoSaude& operadora) {
  bd::Procedimento& p = Procedimento(QStringLiteral("CONSULT_PS_OPERADORA_JA_EXISTE"));
  p.param(QStringLiteral("TPO_NR_PF_PJ"), operadora.GetContribuinte().GetBase());
  p.param(QStringLiteral("TPO_IN_PF_PJ"), kEmpresa);
  Pergunta(p);
  return p.saida(QStringLiteral("TPO_ID_R")).inteiro();
}

int TzuqPlanoSaudeDAO::QuantidadeRegistros() {
  bd::Procedimento& p = Procedimento(QStringLiteral("CONSULT_PS_OPERADORA_TOTAL"));
  Pergunta(p);
  return p.saida(QStringLiteral("TOTAL")).inteiro();
}

QString TzuqPlanoSaudeDAO::BuscaNome(const QString& digitos, int tipo) {
  bd::Procedimento& p = Procedimento(QStringLiteral("CONSULT_PS_BUSCA_NOME"));
  const bool pessoa = tipo == 1;
  p.param(QStringLiteral("IN_PF_PJ"), pessoa ? QStringLiteral("1") : kEmpresa);
  p.param(QStringLiteral("NR_PF_PJ"), digitos.left(pessoa ? 9 : 12));
  Pergunta(p);
  return p.saida(QStringLiteral("NM_NM_EMPR")).texto().trimmed();
}

bool TzuqPlanoSaudeDAO::CnpjUsadoPorFundo(const QString& cnpj) {
  // STARTING WITH walks the index of the annexes' numbers; the root is bound, never spliced in.
  bd::Consulta& c = Comando(QStringLiteral("SELECT COUNT(*) AS TOTAL FROM FONTES WHERE (IN_TIPO = 0) AND "
                                           "(FONTE_DK > 1) AND (IN_PF_PJ = 2) AND (NR_PF_PJ STARTING WITH :RAIZ)"));
  c.param(QStringLiteral("RAIZ"), cnpj.left(8));
  Abre(c);
  const bool usado = c.campo(QStringLiteral("TOTAL")).inteiro() != 0;
  c.fecha();
  return usado;
}

std::vector<std::unique_ptr<TzuqPlanoSaude>> TzuqPlanoSaudeDAO::ConsultaTodas() {
  return Lista(QStringLiteral("SELECT * FROM CONSULT_TODAS_OPERADORAS ORDER BY TPO_ID"), true);
}

std::vector<std::unique_ptr<TzuqPlanoSaude>> TzuqPlanoSaudeDAO::ConsultaTodasPorCnpj() {
  return Lista(QStringLiteral("SELECT * FROM CONSULT_TODAS_OPERADORAS ORDER BY TPO_NR_PF_PJ"), false);
}

std::vector<std::unique_ptr<TzuqPlanoSaude>> TzuqPlanoSaudeDAO::Lista(const QString& sql, bool apara) {
  std::vector<std::unique_ptr<TzuqPlanoSaude>> lista;
  bd::Consulta& c = Comando(sql);
  Abre(c);
  for (; !c.eof(); c.proximo()) {
    auto operadora = std::make_unique<TzuqPlanoSaude>();
    operadora->SetId(c.campo(QStringLiteral("TPO_ID")).inteiro());
    CarregaNumero(operadora->GetContribuinte(), c.campo(QStringLiteral("TPO_IN_PF_PJ")).texto().toInt(),
                  c.campo(QStringLiteral("TPO_NR_PF_PJ")).texto(), m_erros);
    const QString registro = c.campo(QStringLiteral("TPO_REGISTRO_ANS")).texto();
    operadora->GetRegistroAns().CarregaValor(apara ? registro.trimmed() : registro);
    CarregaNome(operadora->GetContribuinte(), c.campo(QStringLiteral("NM_NM_EMPR")).texto(), m_erros);
    operadora->GetContribuinte().SetModificado(false);
    lista.push_back(std::move(operadora));
  }
  c.fecha();
  return lista;
}
