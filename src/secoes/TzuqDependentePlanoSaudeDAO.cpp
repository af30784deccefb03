#include "secoes/TzuqDependentePlanoSaudeDAO.h"

#include "secoes/CarregaContribuinte.h"
#include "secoes/TzuqDependentePlanoSaude.h"
#include "secoes/TzuqPlanoSaude.h"
#include "secoes/TzuqTitularPlanoSaude.h"

namespace {
const QString kPessoa = QStringLiteral("1");
}  // namespace

TzuqDependentePlanoSaudeDAO::TzuqDependentePlanoSaudeDAO() : TColecaoSecao(QStringLiteral("TB_PS_DEPENDENTE")) {}

void TzuqDependentePlanoSaudeDAO::Parametros(bd::Procedimento& p, const TzuqDependentePlanoSaude& dependente) {
  const TContribuinte& cpf = dependente.GetContribuinte();
  const bool temCpf = !cpf.GetNiDigitos().isEmpty();
  p.param(QStringLiteral("TPD_TPT_ID"), dependente.GetTitular().GetId());
  p.param(QStringLiteral("TPD_IN_PF_PJ"), temCpf ? bd::Dado(kPessoa) : bd::Dado());
  p.param(QStringLiteral("TPD_NR_PF_PJ"), temCpf ? bd::Dado(cpf.GetBase()) : bd::Dado());
  p.param(QStringLiteral("TPD_TPRD_CD"), TextoOuNulo(dependente.GetCdRelacaoDependencia()));
  p.param(QStringLiteral("TPD_DT_NASC"),
          // A two-digit year is stored as the editor stores it.
          TextoOuNulo(TzuqDependentePlanoSaude::CompletaAno(dependente.GetDataNascimento(),
                                                            TzuqDependentePlanoSaude::kUltimoAnoEditor)));
  p.param(QStringLiteral("TPD_VL_PAGO"), bd::DezMilesimos{dependente.GetValorPago().GetValorMonetario().dezMilesimos()});
  p.param(QStringLiteral("NM_NM_EMPR"), cpf.GetNome().GetValor());
}

int TzuqDependentePlanoSaudeDAO::Inclui(TzuqDependentePlanoSaude& dependente) {
  bd::Procedimento& p = Procedimento(QStringLiteral("INCLUI_PS_DEPENDENTE"));
  Parametros(p, dependente);
  Grava(p);
  const int chave = p.saida(QStringLiteral("TPD_ID_R")).inteiro();
  dependente.SetId(chave);
  return chave;
}

void TzuqDependentePlanoSaudeDAO::Atualiza(const TzuqDependentePlanoSaude& dependente) {
  bd::Procedimento& p = Procedimento(QStringLiteral("ATUALIZAR_PS_DEPENDENTE"));
  Parametros(p, dependente);
  p.param(QStringLiteral("TPD_ID"), dependente.GetId());
  Grava(p);
}

void TzuqDependentePlanoSaudeDAO::Exclui(const TzuqDependentePlanoSaude& dependente) {
  bd::Procedimento& p = Procedimento(QStringLiteral("EXCLUI_PS_DEPENDENTE"));
  p.param(QStringLiteral("TPD_ID"), dependente.GetId());
  GravaExclusao(p);
}

int TzuqDependentePlanoSaudeDAO::JaExiste(const QString& cpfBase, int chaveTitular) {
  bd::Procedimento& p = Procedimento(QStringLiteral("CONSULT_PS_DEPENDENTE_JA_EXISTE"));
  p.param(QStringLiteral("TPD_TPT_ID"), chaveTitular);
  p.param(QStringLiteral("TPD_IN_PF_PJ"), kPessoa);
  p.param(QStringLiteral("TPD_NR_PF_PJ"), cpfBase);
  Pergunta(p);
  return p.saida(QStringLiteral("TPD_ID_R")).inteiro();
}

std::pair<int, int> TzuqDependentePlanoSaudeDAO::ConsultaTitularDoDependente(int chaveDependente) {
  bd::Procedimento& p = Procedimento(QStringLiteral("CONSULT_PS_TIT_PELO_DEPENDENTE"));
  p.param(QStringLiteral("TPD_ID"), chaveDependente);
  Pergunta(p);
  return {p.saida(QStringLiteral("TPT_TPO_ID_R")).inteiro(), p.saida(QStringLiteral("TPT_ID_R")).inteiro()};
}

std::vector<std::unique_ptr<TzuqDependentePlanoSaude>> TzuqDependentePlanoSaudeDAO::ConsultaPorTitular(
    TzuqTitularPlanoSaude& titular) {
  std::vector<std::unique_ptr<TzuqDependentePlanoSaude>> lista;
  bd::Consulta& c = Comando(QStringLiteral(
      "SELECT * FROM CONSULT_DEPENDENTE_POR_TITULAR(:TPD_TPT_ID) order by TPD_NR_PF_PJ, TPD_DT_NASC, TPD_NOME, "
      "NM_NM_EMPR,TPD_VL_PAGO"));
  c.param(QStringLiteral("TPD_TPT_ID"), titular.GetId());
  Abre(c);
  for (; !c.eof(); c.proximo()) {
    auto dependente = std::make_unique<TzuqDependentePlanoSaude>(titular);
    TContribuinte& cpf = dependente->GetContribuinte();
    dependente->SetId(c.campo(QStringLiteral("TPD_ID")).inteiro());
    const bd::Campo tipo = c.campo(QStringLiteral("TPD_IN_PF_PJ"));
    const bd::Campo numero = c.campo(QStringLiteral("TPD_NR_PF_PJ"));
    if (!tipo.nulo() && !numero.nulo()) CarregaNumero(cpf, tipo.texto().toInt(), numero.texto(), m_erros);
    const bd::Campo nascimento = c.campo(QStringLiteral("TPD_DT_NASC"));
    if (!nascimento.nulo()) dependente->SetDataNascimento(nascimento.texto());
    dependente->SetCdRelacaoDependencia(c.campo(QStringLiteral("TPD_TPRD_CD")).texto());
    dependente->GetValorPago().SetValorMonetario(Valor::deDezMilesimos(c.campo(QStringLiteral("TPD_VL_PAGO")).dezMilesimos()));
    const QString nome = cpf.GetNiFormatado().isEmpty() ? c.campo(QStringLiteral("TPD_NOME")).texto()
                                                        : c.campo(QStringLiteral("NM_NM_EMPR")).texto();
    CarregaNome(cpf, nome, m_erros);
    cpf.SetModificado(false);
    dependente->GetValorPago().SetModificado(false);
    lista.push_back(std::move(dependente));
  }
  c.fecha();
  return lista;
}
