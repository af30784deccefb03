#include "secoes/TzuqRemessaControlador.h"

#include "nucleo/Erros.h"
#include "nucleo/ZuqErro.h"
#include "secoes/IzuqRemessaVisao.h"
#include "secoes/TfrmValoresRemessa.h"
#include "secoes/TzuqDeclaracaoRemessa.h"
#include "secoes/TzuqPaisDAO.h"
#include "secoes/TzuqRemessa.h"
#include "secoes/TzuqRemessaDAO.h"
#include "secoes/TzuqValoresRemessaControlador.h"

namespace {
constexpr int kCpfCnpjInvalido = 34;
}  // namespace

TzuqRemessaControlador::TzuqRemessaControlador(IzuqRemessaVisao& visao, IzuqConsultasRemessa* consultas)
    : m_visao(visao),
      m_remessaDAO(std::make_unique<TzuqRemessaDAO>()),
      m_paisDAO(std::make_unique<TzuqPaisDAO>()),
      m_modelo(std::make_unique<TzuqRemessa>()) {
  m_modelo->SetConsultas(consultas);
  CarregaPaises();
  m_visao.SetAoSalvar([this] { AoSalvar(); });
  m_visao.SetAoExcluir([this] { AoExcluir(); });
  m_visao.SetAoIncluir([this] { AoIncluir(); });
  m_visao.SetAoAlterar([this] { AoAlterar(); });
  m_visao.SetAoPosicionar([this] { AoPosicionar(); });
  m_visao.SetAoCancelar([this] { AoCancelar(); });
  m_visao.SetAoValidarCampo([this](uint8_t indice) { return AoValidarCampo(indice); });
  m_visao.SetAoVerificarExistencia([this] { return AoVerificarExistencia(); });
  m_valores = std::make_unique<TfrmValoresRemessa>();
  TTolv* tolv = m_visao.GetTolv();
  m_valores->SetTolv(tolv);
  if (tolv) m_declaracao = std::make_unique<TzuqDeclaracaoRemessa>(*tolv);
  m_modelo->SetDeclaracao(m_declaracao.get());
  m_controladorValores = std::make_unique<TzuqValoresRemessaControlador>(*m_valores, *m_modelo);
  m_visao.SetFormValores(m_valores.get());
  m_visao.PreparaInclusao();
}

TzuqRemessaControlador::~TzuqRemessaControlador() = default;

void TzuqRemessaControlador::CarregaPaises() {
  for (const TzuqPais& pais : m_paisDAO->ConsultaTodos()) m_visao.AdicionaPais(pais);
}

void TzuqRemessaControlador::CarregaModelo() {
  TzuqRemessa& m = *m_modelo;
  m.SetId(m_visao.GetId());
  m.SetNif(m_visao.GetNif());
  m.SetInBenefDispensaNif(m_visao.GetInBenefDispensaNif());
  m.SetInPaisDispensaNif(m_visao.GetInPaisDispensaNif());
  m.SetCdPais(m_visao.GetCdPais());
  m.SetInTipoBeneficiario(m_visao.GetInTipoBeneficiario());
  // Kept even when invalid: the rule of the number reports it.
  m.SetNiComErro(m_visao.GetNi());
  m.GetNome().SetNomeComErro(m_visao.GetNome());
  m.SetCdRelFonteBeneficiario(m_visao.GetCdRelFonteBeneficiario());
  m.SetLogradouro(m_visao.GetLogradouro());
  m.SetNumero(m_visao.GetNumero());
  m.SetComplemento(m_visao.GetComplemento());
  m.SetBairro(m_visao.GetBairro());
  m.SetCxPostal(m_visao.GetCxPostal());
  m.SetCidade(m_visao.GetCidade());
  m.SetTelefone(m_visao.GetTelefone());
  m.SetEstado(m_visao.GetEstado());
}

QString TzuqRemessaControlador::TipoCodigos() const {
  return m_modelo->GetInTipoBeneficiario() == QStringLiteral("1") ? QStringLiteral("F") : QStringLiteral("J");
}

void TzuqRemessaControlador::Posicionar(const QString& id, const QString& tela, const QString& campo) {
  if (id == QStringLiteral("0")) return;
  m_visao.Posicionar(id, tela, campo);
}

void TzuqRemessaControlador::SelecionaNo(int codigo) { m_visao.SelecionaNo(codigo); }

void TzuqRemessaControlador::AoSalvar() {
  CarregaModelo();
  m_remessaDAO->Atualiza(*m_modelo);
  m_valores->FiltraCodigosRetencao(TipoCodigos());
}

void TzuqRemessaControlador::AoExcluir() {
  m_modelo->SetId(m_visao.GetId());
  m_remessaDAO->Exclui(*m_modelo);
}

void TzuqRemessaControlador::AoIncluir() {
  m_controladorValores->Habilita(true);
  m_valores->FiltraCodigosRetencao(TipoCodigos());
}

void TzuqRemessaControlador::AoAlterar() { m_controladorValores->Habilita(true); }

void TzuqRemessaControlador::AoPosicionar() {
  m_controladorValores->CarregaValores(m_visao.GetId());
  CarregaModelo();
  m_valores->FiltraCodigosRetencao(TipoCodigos());
}

void TzuqRemessaControlador::AoCancelar() {
  m_controladorValores->Limpar();
  m_controladorValores->Habilita(false);
}

bool TzuqRemessaControlador::AoVerificarExistencia() {
  CarregaModelo();
  return m_remessaDAO->JaExiste(*m_modelo);
}

bool TzuqRemessaControlador::AoValidarCampo(uint8_t indice) {
  CarregaModelo();
  m_modelo->ValidaCampo(indice);
  m_campoValido = true;
  if (m_modelo->EhValido()) return true;
  m_campoValido = false;
  TzuqErro erro = *m_modelo->GetErro();
  if (erro.NumeroCampo() == TzuqRemessa::kNi) {
    const QString& tipo = m_modelo->GetInTipoBeneficiario();
    if (tipo == QStringLiteral("1"))
      erro.SetMensagem(QStringLiteral("CPF inválido"));
    else if (tipo == QStringLiteral("2"))
      erro.SetMensagem(QStringLiteral("CNPJ inválido"));
    else
      erro.SetMensagem(TErro::FormataMensagem(kCpfCnpjInvalido, m_modelo->GetNiFormatado()));
  }
  m_visao.MostraErro(erro);
  return false;
}
