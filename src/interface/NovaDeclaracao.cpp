#include "interface/NovaDeclaracao.h"

#include <initializer_list>
#include <vector>

#include "nucleo/CaixaMensagem.h"
#include "nucleo/Cnpj.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TResumo.h"
#include "nucleo/TTolv.h"

namespace {

constexpr int kNaturezaPessoaFisica = 9;
constexpr int kExtincao = 29;
constexpr int kCnpjJaDeclarado = 46;
constexpr int kCpfJaDeclarado = 47;
constexpr int kNaturezaRestrita = 141;
constexpr int kEspolioOuSaida = 142;
constexpr int kRaizJaDeclarada = 238;
constexpr int kNomeEmpresarialAusente = 244;
constexpr int kNomeAusente = 247;
constexpr int kCpfObrigatorio = 269;
constexpr int kCnpjObrigatorio = 270;
constexpr int kAjudaNovaDeclaracao = 11005;

bool Entre(int codigo, std::initializer_list<int> codigos) {
  for (int c : codigos)
    if (c == codigo) return true;
  return false;
}

}  // namespace

const std::array<QString, 2>& NovaDeclaracao::Anos() {
  static const std::array<QString, 2> anos{QStringLiteral("2013"), QString::number(2013 + 1)};
  return anos;
}

const std::array<QString, 6>& NovaDeclaracao::TextosNatureza() {
  static const std::array<QString, 6> textos{
      QStringLiteral("Pessoa jurídica de direito privado"),
      QStringLiteral("Órgãos, autarquias e fundações da administração pública federal"),
      QStringLiteral("Órgãos, autarquias e fundações da administração pública estadual, municipal ou do distrito federal"),
      QStringLiteral("Empresa pública ou sociedade de economia mista federal"),
      QStringLiteral("Empresa pública ou sociedade de economia mista estadual, municipal ou do distrito federal"),
      QStringLiteral("Entidade com alteração de natureza jurídica (uso restrito)")};
  return textos;
}

int NovaDeclaracao::IndiceDaNatureza(int codigo) {
  for (size_t i = 0; i < kCodigosNatureza.size(); ++i)
    if (kCodigosNatureza[i] == codigo) return int(i);
  return -1;
}

NovaDeclaracao::NovaDeclaracao(TTolv& tolv, TColecaoTolv& indice) : m_tolv(tolv), m_indice(indice) {}

void NovaDeclaracao::ConfiguraPessoaJuridica() {
  m_tolv.GetContribuinte().SetTipo(kNiCnpj);
  m_form.pessoaFisica = false;
  m_form.natureza = -1;
  m_form.naturezaHabilitada = true;
  for (EstadoCaixa& c : m_form.caixas) c = EstadoCaixa{};
}

void NovaDeclaracao::ConfiguraPessoaFisica() {
  m_tolv.GetContribuinte().SetTipo(kNiCpf);
  m_tolv.GetContribuinte().GetNome().SetOpcional(false);
  m_tolv.SetCodigoNatureza(kNaturezaPessoaFisica);
  m_form.pessoaFisica = true;
  for (EstadoCaixa& c : m_form.caixas) c = EstadoCaixa{};
  for (Caixa c : {ServicoNotarial, PlanoSaude, Remessa}) m_form.caixas[c].visivel = true;
  chkServicoNotarialClick();
}

void NovaDeclaracao::IniciaAno() {
  CbAnoRetChange(0);
  m_form.dataEvento = QDate();
  m_tolv.SetDataEvento(QString());
}

NovaDeclaracao::Foco NovaDeclaracao::CbAnoRetChange(int indice) {
  if (indice < 0 || indice >= int(Anos().size())) return Foco::Nenhum;
  Foco foco = Foco::Nenhum;
  m_form.ano = indice;
  const QString& ano = Anos()[size_t(indice)];
  m_tolv.SetAnoCalendario(ano);
  if (indice == 1) {
    // By the declarant's kind: the length of the number shown tells it only once it is formatted.
    const int codigo = m_form.pessoaFisica ? kEspolioOuSaida : kExtincao;
    MostraMensagem(TErro::FormataMensagem(codigo, ano), QStringLiteral("Nova declaração"), 32);
    m_form.simHabilitado = true;
    m_form.simMarcado = true;
    m_form.naoHabilitado = false;
    m_form.naoMarcado = false;
    foco = rbRbSimEncerramentoClick();
  } else {
    m_form.simHabilitado = false;
    m_form.simMarcado = false;
    m_form.naoHabilitado = true;
    m_form.naoMarcado = true;
    rbRbNaoEncerramentoClick();
  }
  // Without a number there is no declarant to look up (and the kind must not be asked of an
  // empty number, which would forget it).
  if (m_tolv.GetContribuinte().GetNiDigitos().isEmpty() || m_indice.Localiza(m_tolv)) return foco;
  if (m_indice.BuscaOutroEstabelecimento(m_tolv)) {
    TomaNome();
    AplicaRegraRaiz(false);
  } else {
    HabilitaLivres();
  }
  return foco;
}

NovaDeclaracao::Foco NovaDeclaracao::rbRbSimEncerramentoClick() {
  m_form.ano = 1;
  m_form.dataEventoHabilitada = true;
  if (Empresa()) return Foco::DataEvento;
  m_form.tipoEventoHabilitado = true;
  return Foco::TipoEvento;
}

void NovaDeclaracao::rbRbNaoEncerramentoClick() {
  m_form.ano = 0;
  m_form.dataEvento = QDate();
  m_form.dataEventoHabilitada = false;
  m_tolv.SetDataEvento(QString());
  if (Empresa()) return;
  m_form.tipoEvento = -1;
  m_form.tipoEventoHabilitado = false;
}

void NovaDeclaracao::DataEventoMudou(const QDate& data) {
  m_form.dataEvento = data;
  m_tolv.SetDataEvento(data.isValid() ? data.toString(QStringLiteral("dd/MM/yyyy")) : QString());
}

bool NovaDeclaracao::edtNIExit() {
  m_tolv.SetTolvDK(QString());
  const QString texto = m_form.numero.trimmed();
  if (texto.isEmpty()) {
    TErro::MostraTexto(TErro::FormataMensagem(m_form.pessoaFisica ? kCpfObrigatorio : kCnpjObrigatorio, {}),
                       TipoMensagem::Erro);
    return false;
  }
  m_form.numero = PreencheZeros(texto, m_form.pessoaFisica ? 11 : 14);
  try {
    m_tolv.GetContribuinte().SetNi(m_form.numero);
  } catch (const EContribuinteInvalido& e) {
    e.Mostra();
    return false;
  }
  if (m_indice.Localiza(m_tolv) || !m_indice.BuscaOutroEstabelecimento(m_tolv)) {
    HabilitaLivres();
    if (m_form.pessoaFisica) chkServicoNotarialClick();
    m_form.numero = m_tolv.GetContribuinte().GetNiFormatado();
    TomaNome();
    return true;
  }
  // The number stays as typed while the rule holds it.
  TomaNome();
  AplicaRegraRaiz(true);
  return true;
}

void NovaDeclaracao::edtNIEnter() {
  const TContribuinte& declarante = m_tolv.GetContribuinte();
  if (m_form.numero.isEmpty() || declarante.GetNiDigitos().isEmpty()) return;
  if (declarante.ValidaContribuinte() == 0) m_form.numero = declarante.GetNiDigitos();
}

bool NovaDeclaracao::DeNomeExit() {
  TNomeContribuinte& nome = m_tolv.GetContribuinte().GetNome();
  try {
    nome.SetValor(m_form.nome);
  } catch (const EContribuinteInvalido& e) {
    e.Mostra();
    return false;
  }
  m_form.nome = nome.GetValor();
  if (!m_form.nome.isEmpty()) return true;
  TErro::MostraTexto(TErro::FormataMensagem(m_form.pessoaFisica ? kNomeAusente : kNomeEmpresarialAusente, {}),
                     TipoMensagem::Erro);
  return false;
}

void NovaDeclaracao::cbbCbTipoDeclaranteChange(int codigo) {
  if (codigo == 8)
    TErro::MostraTexto(TErro::FormataMensagem(kNaturezaRestrita, {}), TipoMensagem::Informacao, kAjudaNovaDeclaracao,
                       TErro::kBotaoOk | TErro::kBotaoAjuda);
  if (codigo >= 0) ConfiguraNatureza(codigo);
}

bool NovaDeclaracao::cbbCbTipoDeclaranteExit() {
  if (!Empresa() || m_form.natureza >= 0) return true;
  ExibeMensagem(QStringLiteral("Informe natureza do declarante."), TipoMensagem::Erro);
  return false;
}

void NovaDeclaracao::chkServicoNotarialClick() {
  EstadoCaixa& planoSaude = m_form.caixas[PlanoSaude];
  planoSaude.habilitada = m_form.caixas[ServicoNotarial].marcada;
  if (!planoSaude.habilitada) planoSaude.marcada = false;
}

void NovaDeclaracao::ConfiguraNatureza(int codigo) {
  std::vector<Caixa> visiveis;
  if (Entre(codigo, {0, 8}))
    visiveis = {PlanoSaude, Fundos, Depositario, Remessa, Ostensivo, Copa};
  else if (Entre(codigo, {1, 2}))
    visiveis = {PlanoSaude, Remessa};
  else if (Entre(codigo, {3, 4}))
    visiveis = {PlanoSaude, Fundos, Depositario, Remessa};
  else
    return;
  m_form.natureza = codigo;
  m_tolv.SetNatureza(m_tolv.GetNaturezas().BuscaNatureza(codigo));
  for (int i = 0; i < kCaixas; ++i) {
    EstadoCaixa& c = m_form.caixas[size_t(i)];
    c.visivel = false;
    for (Caixa v : visiveis)
      if (v == i) c.visivel = true;
    // A hidden box says nothing: it is unchecked too.
    if (!c.visivel) c.marcada = false;
  }
}

void NovaDeclaracao::HabilitaLivres() {
  m_form.naturezaHabilitada = true;
  for (Caixa c : {Fundos, Depositario, Ostensivo}) m_form.caixas[c].habilitada = true;
}

void NovaDeclaracao::TomaNome() {
  if (m_form.nome.trimmed().isEmpty()) m_form.nome = m_tolv.GetContribuinte().GetNome().GetValor();
}

bool NovaDeclaracao::AplicaRegraRaiz(bool saindoDoNumero) {
  const int natureza = m_tolv.GetCodigoNatureza();
  if (Entre(natureza, {0, 3, 4, 8})) {
    QString base;
    m_indice.GetNiOutroEstabelecimento(m_tolv, base);
    const QString cnpj = TCnpj::FormataCnpj(base + TCnpj::CalculaDVCnpj(base));
    const QString ano = m_form.ano >= 0 ? Anos()[size_t(m_form.ano)] : m_tolv.GetAnoCalendario();
    TErro::MostraTexto(TErro::FormataMensagem(kRaizJaDeclarada, cnpj + u';' + ano), TipoMensagem::Erro, 0);
    return false;
  }
  // A public body's establishment: the nature of the one already declared, not to be changed.
  ConfiguraNatureza(natureza);
  m_form.naturezaHabilitada = false;
  for (Caixa c : {Fundos, Depositario, Ostensivo}) m_form.caixas[c].habilitada = false;
  if (saindoDoNumero) {
    const auto toma = [this](Caixa c, uint8_t valor) {
      if (m_form.caixas[c].visivel) m_form.caixas[c].marcada = valor != 0;
    };
    toma(PlanoSaude, m_tolv.GetInPlanoSaude());
    toma(Fundos, m_tolv.GetInAdmFC());
    toma(Depositario, m_tolv.GetInAdvogado());
    toma(Remessa, m_tolv.GetInRemessa());
    toma(Ostensivo, m_tolv.GetInOstensivo());
  }
  return true;
}

bool NovaDeclaracao::HabilitaOk() const {
  const bool basicos = !m_form.numero.trimmed().isEmpty() && !m_form.nome.trimmed().isEmpty();
  return Empresa() ? basicos && m_form.natureza >= 0 : basicos;
}

bool NovaDeclaracao::PodeConfirmarComEnter() const {
  if (!HabilitaOk() || m_form.nome.isEmpty() || m_form.numero.isEmpty()) return false;
  const TContribuinte& declarante = m_tolv.GetContribuinte();
  return !declarante.GetNiDigitos().isEmpty() && declarante.ValidaContribuinte() == 0;
}

void NovaDeclaracao::GravaIndicadores() {
  const auto marcada = [this](Caixa c) { return uint8_t(m_form.caixas[c].marcada ? 1 : 0); };
  m_tolv.SetInPlanoSaude(marcada(PlanoSaude));
  m_tolv.SetInServicoNotarial(marcada(ServicoNotarial));
  m_tolv.SetInAdmFC(marcada(Fundos));
  m_tolv.SetInAdvogado(marcada(Depositario));
  m_tolv.SetInRemessa(marcada(Remessa));
  m_tolv.SetInOstensivo(marcada(Ostensivo));
  m_tolv.SetInCopa(marcada(Copa));
}

NovaDeclaracao::Resultado NovaDeclaracao::BbOkClick(bool numeroComFoco) {
  // The number is left first, so that its checks run; a refused number has already told why.
  if (numeroComFoco && !edtNIExit()) return {false, Foco::Numero};
  m_tolv.GetResumo().Zera();
  m_tolv.GetResumoGeral().Zera();
  if (m_form.numero.trimmed().isEmpty()) return {};

  TContribuinte& declarante = m_tolv.GetContribuinte();
  declarante.SetNi(m_form.numero);
  GravaIndicadores();
  const QString& ano = Anos()[size_t(qMax(0, m_form.ano))];
  m_tolv.SetAnoCalendario(ano);
  m_tolv.SetSituacaoEspecial(m_form.simMarcado ? 1 : 0);

  try {
    declarante.GetNome().SetValor(m_form.nome);
  } catch (const EContribuinteInvalido& e) {
    e.Mostra();
    return {false, Foco::Nome};
  }
  if (m_form.nome.trimmed().isEmpty()) {
    MostraMensagem(Empresa() ? QStringLiteral("Nome empresarial inválido ou ausente.")
                             : QStringLiteral("Nome inválido ou ausente."),
                   QStringLiteral("Erro"), 16);
    return {false, Foco::Nome};
  }
  if (Empresa() && m_form.natureza < 0) {
    MostraMensagem(QStringLiteral("Informe natureza do declarante."), QStringLiteral("Erro"), 16);
    return {false, Foco::Natureza};
  }
  if (m_indice.Localiza(m_tolv)) {
    TErro::MostraTexto(TErro::FormataMensagem(Empresa() ? kCnpjJaDeclarado : kCpfJaDeclarado,
                                              declarante.GetNiFormatado() + u';' + ano),
                       TipoMensagem::Erro);
    return {};
  }
  if (m_indice.BuscaOutroEstabelecimento(m_tolv) && !AplicaRegraRaiz(false)) return {};

  const QString pergunta = QStringLiteral("Confirma a criação da declaração ") +
                           (m_form.pessoaFisica ? QStringLiteral("CPF") : QStringLiteral("CNPJ")) +
                           QStringLiteral(": ") + declarante.GetNiFormatado() + u'?';
  // Only a "Sim" creates: a box closed any other way creates nothing.
  if (MostraMensagem(pergunta, QStringLiteral("Criar nova Tolv"), 36) != ResultadoMensagem::Sim) return {};

  m_tolv.SetTolvDK(QString());
  if (m_form.pessoaFisica) {
    m_tolv.SetCodigoNatureza(kNaturezaPessoaFisica);
    m_tolv.SetTipoEvento(uint8_t(qMax(0, m_form.tipoEvento)));
  }
  GravaIndicadores();
  try {
    m_indice.Inclui(m_tolv);
  } catch (const EContribuinteInvalido& e) {
    e.Mostra();
    return {};
  }
  // An index or database failure was told where it happened and created nothing.
  if (m_tolv.GetTolvDK().isEmpty()) return {};
  return {true, Foco::Nenhum};
}

void NovaDeclaracao::FormClose() { m_tolv.GetContribuinte().SetTipo(m_form.pessoaFisica ? kNiCpf : kNiCnpj); }

std::optional<QString> NovaDeclaracao::CorrigeDataDigitada(const QString& texto) {
  return CorrigeDataDigitada(texto, Anos()[1]);
}

std::optional<QString> NovaDeclaracao::CorrigeDataDigitada(const QString& texto, const QString& ano) {
  if (texto.size() != 9 || texto[4] != u'/' || texto.right(4) == ano) return std::nullopt;
  if (texto.startsWith(u'0')) return QStringLiteral("01") + texto.mid(1, 4) + ano;
  return texto.left(5) + ano;
}

QString NovaDeclaracao::PreencheZeros(const QString& numero, int tamanho) {
  return numero.size() >= tamanho ? numero : QString(tamanho - numero.size(), u'0') + numero;
}
