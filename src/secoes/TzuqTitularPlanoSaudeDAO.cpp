#include "secoes/TzuqTitularPlanoSaudeDAO.h"

#include <algorithm>

#include "nucleo/NiContribuinte.h"
#include "plataforma/bd/ConjuntoMemoria.h"
#include "secoes/CarregaContribuinte.h"
#include "secoes/TzuqPlanoSaude.h"
#include "secoes/TzuqTitularPlanoSaude.h"

namespace {
const QString kPessoa = QStringLiteral("1");
// The procedure hands the holders over in the order of their CPF, along the operator's index:
// no sort of the whole list afterwards.
const QString kPorOperadora = QStringLiteral("SELECT * FROM CONSULT_TITULAR_POR_OPERADORA(:TPT_TPO_ID)");

bd::Dado Dinheiro(const TMonetario& valor) { return bd::DezMilesimos{valor.GetValorMonetario().dezMilesimos()}; }
}  // namespace

TzuqTitularPlanoSaudeDAO::TzuqTitularPlanoSaudeDAO() : TColecaoSecao(QStringLiteral("TB_PS_TITULAR")) {}

int TzuqTitularPlanoSaudeDAO::Inclui(TzuqTitularPlanoSaude& titular) {
  bd::Procedimento& p = Procedimento(QStringLiteral("INCLUI_PS_TITULAR"));
  p.param(QStringLiteral("TPT_TPO_ID"), titular.GetPlanoSaude().GetId());
  p.param(QStringLiteral("TPT_IN_PF_PJ"), kPessoa);
  p.param(QStringLiteral("TPT_NR_PF_PJ"), titular.GetContribuinte().GetBase());
  p.param(QStringLiteral("TPT_VL_PAGO"), Dinheiro(titular.GetValorPago()));
  p.param(QStringLiteral("NM_NM_EMPR"), titular.GetContribuinte().GetNome().GetValor());
  Grava(p);
  const int chave = p.saida(QStringLiteral("TPT_ID_R")).inteiro();
  titular.SetId(chave);
  return chave;
}

void TzuqTitularPlanoSaudeDAO::Atualiza(const TzuqTitularPlanoSaude& titular) {
  bd::Procedimento& p = Procedimento(QStringLiteral("ATUALIZAR_PS_TITULAR"));
  p.param(QStringLiteral("TPT_TPO_ID"), titular.GetPlanoSaude().GetId());
  p.param(QStringLiteral("TPT_ID"), titular.GetId());
  p.param(QStringLiteral("TPT_IN_PF_PJ"), kPessoa);
  p.param(QStringLiteral("TPT_NR_PF_PJ"), titular.GetContribuinte().GetBase());
  p.param(QStringLiteral("TPT_VL_PAGO"), Dinheiro(titular.GetValorPago()));
  p.param(QStringLiteral("NM_NM_EMPR"), titular.GetContribuinte().GetNome().GetValor());
  Grava(p);
}

void TzuqTitularPlanoSaudeDAO::Exclui(const TzuqTitularPlanoSaude& titular) {
  bd::Procedimento& p = Procedimento(QStringLiteral("EXCLUI_PS_TITULAR"));
  p.param(QStringLiteral("TPT_ID"), titular.GetId());
  GravaExclusao(p);
}

int TzuqTitularPlanoSaudeDAO::JaExiste(const TzuqTitularPlanoSaude& titular) {
  bd::Procedimento& p = Procedimento(QStringLiteral("CONSULT_PS_TITULAR_JA_EXISTE"));
  p.param(QStringLiteral("TPT_TPO_ID"), titular.GetPlanoSaude().GetId());
  p.param(QStringLiteral("TPT_NR_PF_PJ"), titular.GetContribuinte().GetBase());
  p.param(QStringLiteral("TPT_IN_PF_PJ"), kPessoa);
  Pergunta(p);
  return p.saida(QStringLiteral("TPT_ID_R")).inteiro();
}

int TzuqTitularPlanoSaudeDAO::ConsultaOperadoraDoTitular(const QString& chaveTitular) {
  bd::Procedimento& p = Procedimento(QStringLiteral("CONSULT_PS_OPE_PELO_TITULAR"));
  p.param(QStringLiteral("TPT_ID"), chaveTitular.trimmed().toInt());
  Pergunta(p);
  return p.saida(QStringLiteral("TPT_TPO_ID_R")).inteiro();
}

std::vector<std::unique_ptr<TzuqTitularPlanoSaude>> TzuqTitularPlanoSaudeDAO::ConsultaPorOperadora(
    TzuqPlanoSaude& operadora) {
  std::vector<std::unique_ptr<TzuqTitularPlanoSaude>> lista;
  bd::Consulta& c = Comando(kPorOperadora);
  c.param(QStringLiteral("TPT_TPO_ID"), operadora.GetId());
  Abre(c);
  const int id = c.indiceCampo(QStringLiteral("TPT_ID"));
  const int tipo = c.indiceCampo(QStringLiteral("TPT_IN_PF_PJ"));
  const int numero = c.indiceCampo(QStringLiteral("TPT_NR_PF_PJ"));
  const int nome = c.indiceCampo(QStringLiteral("NM_NM_EMPR"));
  const int valor = c.indiceCampo(QStringLiteral("TPT_VL_PAGO"));
  for (; !c.eof(); c.proximo()) {
    auto titular = std::make_unique<TzuqTitularPlanoSaude>(operadora);
    titular->SetId(c.campo(id).inteiro());
    CarregaNumero(titular->GetContribuinte(), c.campo(tipo).texto().toInt(), c.campo(numero).texto(), m_erros);
    CarregaNome(titular->GetContribuinte(), c.campo(nome).texto(), m_erros);
    titular->GetValorPago().SetValorMonetario(Valor::deDezMilesimos(c.campo(valor).dezMilesimos()));
    titular->GetContribuinte().SetModificado(false);
    titular->GetValorPago().SetModificado(false);
    lista.push_back(std::move(titular));
  }
  c.fecha();
  return lista;
}

bd::ConjuntoMemoria& TzuqTitularPlanoSaudeDAO::CarregaPorOperadora(int chaveOperadora, bd::ConjuntoMemoria& tabela) {
  bd::Consulta& c = Comando(kPorOperadora);
  c.param(QStringLiteral("TPT_TPO_ID"), chaveOperadora);
  Abre(c);
  std::vector<std::vector<bd::Dado>> novas;
  for (; !c.eof(); c.proximo()) {
    const QString base = c.campo(QStringLiteral("TPT_NR_PF_PJ")).texto().trimmed();
    novas.push_back({chaveOperadora, c.campo(QStringLiteral("TPT_ID")).inteiro(),
                     base + TNiContribuinte::CalculaDVNi(base), c.campo(QStringLiteral("NM_NM_EMPR")).texto(),
                     bd::DezMilesimos{c.campo(QStringLiteral("TPT_VL_PAGO")).dezMilesimos()}});
  }
  c.fecha();

  // Every row goes before the current one: the table is laid out again with the new rows, last
  // read first, where the current row stood.
  const QStringList nomes{QStringLiteral("Operadora_Id"), QStringLiteral("Id"), QStringLiteral("CPF"),
                          QStringLiteral("Nome"), QStringLiteral("Valor")};
  const int colunas = int(tabela.colunas().size());
  std::vector<std::vector<bd::Dado>> antigas;
  for (int l = 0; l < tabela.quantidade(); ++l) {
    std::vector<bd::Dado> linha;
    for (int col = 0; col < colunas; ++col) linha.push_back(tabela.valor(l, col));
    antigas.push_back(std::move(linha));
  }
  const int atual = std::max(0, tabela.posicao() - 1);
  tabela.limpa();
  auto copia = [&](const std::vector<bd::Dado>& linha) {
    tabela.acrescenta();
    for (int col = 0; col < colunas; ++col) tabela.define(tabela.quantidade() - 1, col, linha[size_t(col)]);
  };
  for (int l = 0; l < atual; ++l) copia(antigas[size_t(l)]);
  for (auto it = novas.rbegin(); it != novas.rend(); ++it) {
    tabela.acrescenta();
    for (int i = 0; i < nomes.size(); ++i) tabela.define(nomes[i], (*it)[size_t(i)]);
  }
  for (size_t l = size_t(atual); l < antigas.size(); ++l) copia(antigas[l]);
  if (!tabela.vazio()) tabela.vaiPara(atual + 1);
  return tabela;
}
