#include "secoes/TzuqValoresRemessaControlador.h"

#include "nucleo/TCodigoRetencao.h"
#include "secoes/ConversaoRemessa.h"
#include "secoes/IzuqDeclaracaoRemessa.h"
#include "secoes/IzuqValoresRemessaVisao.h"
#include "secoes/TzuqCdRetencaoRemessaDAO.h"
#include "secoes/TzuqFormaTributacaoDAO.h"
#include "secoes/TzuqRemessa.h"
#include "secoes/TzuqTipoRendimentoDAO.h"
#include "secoes/TzuqValorRemessa.h"
#include "secoes/TzuqValorRemessaDAO.h"

TzuqValoresRemessaControlador::TzuqValoresRemessaControlador(IzuqValoresRemessaVisao& visao, TzuqRemessa& remessa)
    : m_visao(visao), m_remessa(remessa), m_modelo(std::make_unique<TzuqValorRemessa>()) {
  m_modelo->SetRemessa(&m_remessa);
  m_dao = std::make_unique<TzuqValorRemessaDAO>();
  CarregaCodigosRetencao();
  CarregaTiposRendimento();
  CarregaFormasTributacao();
  m_visao.SetAoIncluir([this] { AoIncluir(); });
  m_visao.SetAoAlterar([this] { AoAlterar(); });
  m_visao.SetAoExcluir([this] { AoExcluir(); });
  m_visao.SetAoValidarCampo([this](uint8_t indice) { return AoValidarCampo(indice); });
}

TzuqValoresRemessaControlador::~TzuqValoresRemessaControlador() = default;

void TzuqValoresRemessaControlador::CarregaCodigosRetencao() {
  const IzuqDeclaracaoRemessa* declaracao = m_remessa.GetDeclaracao();
  // Without a declaration or its nature every code is offered; the rules refuse what does not fit.
  const std::optional<int> natureza = declaracao ? declaracao->CodigoNatureza() : std::nullopt;
  const bool administrador = declaracao && declaracao->AdministraFundoClube();
  TzuqCdRetencaoRemessaDAO dao;
  for (const TCodigoRetencao& codigo : dao.ConsultaTodos()) {
    if (natureza && !codigo.GetNaturezas().contains(QString::number(*natureza))) continue;
    if (declaracao && !administrador && codigo.GetAnexo() == QStringLiteral("S")) continue;
    m_visao.AdicionaCodigoRetencao(codigo);
  }
}

void TzuqValoresRemessaControlador::CarregaTiposRendimento() {
  TzuqTipoRendimentoDAO dao;
  for (const TzuqTipoRendimento& tipo : dao.ConsultaTodos()) m_visao.AdicionaTipoRendimento(tipo);
}

void TzuqValoresRemessaControlador::CarregaFormasTributacao() {
  TzuqFormaTributacaoDAO dao;
  for (const TzuqFormaTributacao& forma : dao.ConsultaTodas()) m_visao.AdicionaFormaTributacao(forma);
}

void TzuqValoresRemessaControlador::CarregaValores(int idRemessa) {
  const auto valores = m_dao->ConsultaPorRemessa(idRemessa);
  m_visao.Limpar();
  for (const auto& valor : valores) m_visao.AdicionaValor(*valor);
  m_visao.ConcluiCarga();
}

void TzuqValoresRemessaControlador::Limpar() { m_visao.Limpar(); }

void TzuqValoresRemessaControlador::Habilita(bool habilitado) { m_visao.Habilita(habilitado); }

void TzuqValoresRemessaControlador::CarregaModelo() {
  TzuqValorRemessa& m = *m_modelo;
  m.SetId(m_visao.GetId());
  m.SetData(m_visao.GetData());
  m.SetCdRetencao(m_visao.GetCdRetencao());
  m.SetCdTipoRendimento(QString::number(m_visao.GetCdTipoRendimento()));
  m.SetCdFormaTributacao(QString::number(m_visao.GetCdFormaTributacao()));
  m.SetVlIrrf(ConversaoRemessa::TextoCurto(m_visao.GetVlIrrf()));
  m.SetVlRendimentoPago(ConversaoRemessa::TextoCurto(m_visao.GetVlRendimentoPago()));
  m.SetRemessa(&m_remessa);
}

void TzuqValoresRemessaControlador::AoIncluir() {
  CarregaModelo();
  m_visao.SetId(m_dao->Inclui(*m_modelo));
}

void TzuqValoresRemessaControlador::AoAlterar() {
  CarregaModelo();
  m_dao->Atualiza(*m_modelo);
}

void TzuqValoresRemessaControlador::AoExcluir() { m_dao->Exclui(m_visao.GetId()); }

bool TzuqValoresRemessaControlador::AoValidarCampo(uint8_t indice) {
  CarregaModelo();
  m_modelo->ValidaCampo(indice);
  if (m_modelo->EhValido()) return true;
  m_visao.MostraErro(*m_modelo->GetErro());
  return false;
}
