#include "secoes/TModeloDependentes.h"

#include <algorithm>
#include <stdexcept>

#include "nucleo/CaixaMensagem.h"
#include "secoes/ServicosEditor.h"
#include "nucleo/Contribuinte.h"
#include "nucleo/Erros.h"
#include "nucleo/Monetario.h"
#include "nucleo/NiContribuinte.h"
#include "nucleo/NomeContribuinte.h"
#include "secoes/TzuqDependentePlanoSaude.h"
#include "secoes/TzuqDependentePlanoSaudeDAO.h"
#include "secoes/TzuqPlanoSaudeDAO.h"
#include "secoes/TzuqTitularPlanoSaude.h"

namespace {
constexpr int kSemNome = 49;
constexpr int kValorZero = 256;
constexpr int kCpfDoTitular = 252;
constexpr int kCpfRepetido = 258;
constexpr int kRelacaoInvalida = 257;
constexpr int kVerifiqueData = 271;
constexpr int kAnoAnterior1901 = 265;
constexpr int kCaracteresInvalidos = 81;
constexpr int kCaracteresInvalidosNome = 82;

const char* const kTitulos[] = {"CPF", "Nome", "Data de nascimento", "Relação de dependência", "Valor pago no ano"};

QString Digitos(const QString& texto) { return TzuqDependentePlanoSaude::RetiraMascara(texto.trimmed()); }

// 150310 -> 15/03/10; 15032010 -> 15/03/2010; any other text as typed.
QString ComBarras(const QString& texto) {
  const QString d = TzuqDependentePlanoSaude::RetiraBarras(texto.trimmed());
  if ((d.size() == 6 || d.size() == 8) && std::all_of(d.begin(), d.end(), [](QChar c) { return c.isDigit(); }))
    return d.left(2) + u'/' + d.mid(2, 2) + u'/' + d.mid(4);
  return texto.trimmed();
}
}  // namespace

TModeloDependentes::TModeloDependentes(QObject* pai) : TModeloGrid(pai) { ajustaForma(); }

void TModeloDependentes::DefineArmazenamento(TzuqDependentePlanoSaudeDAO* dao, TzuqPlanoSaudeDAO* daoOperadora) {
  m_dao = dao;
  m_daoOperadora = daoOperadora;
  if (!dao) Carrega(nullptr);
}

TModeloDependentes::~TModeloDependentes() = default;

void TModeloDependentes::DefineDeclaracao(const QString& anoCalendario, bool temEvento, const QString& dataEvento) {
  m_anoCalendario = anoCalendario;
  m_temEvento = temEvento;
  m_dataEvento = dataEvento;
}

void TModeloDependentes::ajustaForma() {
  SetDimensoes(kColunas, int(m_linhas.size()) + 1, 0, 1);
  Atualiza();
  emit Mudou();
}

void TModeloDependentes::Carrega(TzuqTitularPlanoSaude* titular) {
  m_titular = titular;
  m_linhas.clear();
  m_pendente = -1;
  m_inserindo = false;
  m_original.reset();
  if (m_dao && titular && titular->GetId() > 0) {
    const QString& ano = m_anoCalendario;
    for (const auto& d : m_dao->ConsultaPorTitular(*titular)) {
      TLinhaDependente l;
      l.id = d->GetId();
      l.titular = titular->GetId();
      l.cpf = d->GetContribuinte().GetNiFormatado();
      const QString data = d->GetDataNascimento().trimmed();
      if (!data.isEmpty()) {
        l.dtNascimento = TzuqDependentePlanoSaude::FormataData(TzuqDependentePlanoSaude::DataParaDDMMAAAA(data));
        l.maiorIdade = TzuqDependentePlanoSaude::EhMaiorDeIdade(data, ano);
      }
      l.cdRelacao = d->GetCdRelacaoDependencia().trimmed();
      if (!l.cdRelacao.isEmpty()) l.relacao = DescreveRelacao(l.cdRelacao);
      l.nome = d->GetContribuinte().GetNome().GetValor();
      l.valor = d->GetValorPago().GetValorMonetario();
      m_linhas.push_back(std::move(l));
    }
  }
  ajustaForma();
}

int TModeloDependentes::Localiza(int id) const {
  for (int i = 0; i < Quantidade(); ++i)
    if (m_linhas[size_t(i)].id == id) return i;
  return -1;
}

QString TModeloDependentes::DescreveRelacao(const QString& codigo) const {
  for (const TzuqRelacaoDependencia& r : m_relacoes)
    if (r.Codigo.compare(codigo.left(2), Qt::CaseInsensitive) == 0) return r.Codigo + QStringLiteral(" - ") + r.Descricao;
  return {};
}

bool TModeloDependentes::Acrescenta() {
  if (m_pendente >= 0 || !m_titular || m_titular->GetId() <= 0) return false;
  emit DimensoesVaoMudar();
  TLinhaDependente l;
  l.titular = m_titular->GetId();
  m_linhas.push_back(l);
  m_pendente = Quantidade() - 1;
  m_inserindo = true;
  m_original.reset();
  ajustaForma();
  return true;
}

void TModeloDependentes::Cancela() {
  if (m_pendente < 0) return;
  emit DimensoesVaoMudar();
  if (m_inserindo)
    m_linhas.erase(m_linhas.begin() + m_pendente);
  else if (m_original)
    m_linhas[size_t(m_pendente)] = *m_original;
  m_pendente = -1;
  m_inserindo = false;
  m_original.reset();
  ajustaForma();
}

std::optional<TModeloDependentes::Recusa> TModeloDependentes::Confirma() {
  if (m_pendente < 0 || !m_dao) return std::nullopt;
  const int i = m_pendente;
  const TLinhaDependente l = m_linhas[size_t(i)];
  if (l.Vazia()) {
    Cancela();
    return std::nullopt;
  }
  const auto recusa = [&](int codigo, const QString& argumento, int coluna) {
    ServicosEditor::RecusaEntrada(codigo);
    ExibeMensagem(TErro::FormataMensagem(codigo, argumento), TipoMensagem::Erro);
    return Recusa{i, coluna};
  };
  if (l.nome.trimmed().isEmpty()) return recusa(kSemNome, {}, ColNome);
  if (l.valor <= Valor()) return recusa(kValorZero, l.nome, ColValor);

  TzuqDependentePlanoSaude dependente(*m_titular);
  dependente.SetId(l.id);
  try {
    if (!l.cpf.isEmpty()) dependente.GetContribuinte().SetNi(l.cpf);
    dependente.GetContribuinte().GetNome().SetValor(l.nome);
  } catch (const TErro& erro) {
    return recusa(erro.Codigo(), erro.Argumentos(), l.cpf.isEmpty() || erro.Codigo() >= 75 ? ColNome : ColCpf);
  }
  dependente.GetValorPago().SetValorMonetario(l.valor);
  if (!l.dtNascimento.isEmpty())
    dependente.SetDataNascimento(TzuqDependentePlanoSaude::DataNascimentoArmazenada(l.dtNascimento));
  dependente.SetCdRelacaoDependencia(l.cdRelacao);
  if (l.id <= 0)
    m_dao->Inclui(dependente);
  else
    m_dao->Atualiza(dependente);
  // The stored row comes back formatted and keyed, in the storage's order.
  emit DimensoesVaoMudar();
  Carrega(m_titular);
  return std::nullopt;
}

void TModeloDependentes::Exclui(int i) {
  if (i < 0 || i >= Quantidade()) return;
  if (i == m_pendente && m_inserindo) {
    Cancela();
    return;
  }
  const int id = m_linhas[size_t(i)].id;
  if (id > 0 && m_titular && m_dao) {
    TzuqDependentePlanoSaude dependente(*m_titular);
    dependente.SetId(id);
    m_dao->Exclui(dependente);
  }
  emit DimensoesVaoMudar();
  m_linhas.erase(m_linhas.begin() + i);
  if (m_pendente == i) {
    m_pendente = -1;
    m_original.reset();
  } else if (m_pendente > i) {
    --m_pendente;
  }
  ajustaForma();
}

Valor TModeloDependentes::Total() const {
  Valor total;
  for (const TLinhaDependente& l : m_linhas) total += l.valor;
  return total;
}

QString TModeloDependentes::GetTextoCelula(int col, int lin) const {
  if (lin == 0) return col >= 0 && col < kColunas ? QString::fromUtf8(kTitulos[col]) : QString();
  const int i = LinhaDados(lin);
  if (i < 0 || i >= Quantidade()) return {};
  const TLinhaDependente& l = m_linhas[size_t(i)];
  switch (col) {
    case ColCpf: return l.cpf;
    case ColNome: return l.nome;
    case ColDtNascimento: return l.dtNascimento;
    case ColRelacao: return l.relacao;
    case ColValor: return l.valor.ehZero() && i == m_pendente ? QString() : l.valor.formata(2, true);
    default: return {};
  }
}

QString TModeloDependentes::GetTextoEdicao(int col, int lin) const {
  const int i = LinhaDados(lin);
  if (lin == 0 || i < 0 || i >= Quantidade()) return {};
  const TLinhaDependente& l = m_linhas[size_t(i)];
  switch (col) {
    case ColCpf: return Digitos(l.cpf);
    case ColDtNascimento: return TzuqDependentePlanoSaude::RetiraBarras(l.dtNascimento);
    case ColRelacao: return l.cdRelacao;
    case ColValor: return l.valor.ehZero() ? QString() : l.valor.formata(2, false);
    default: return GetTextoCelula(col, lin);
  }
}

TLinhaDependente& TModeloDependentes::editavel(int i) {
  if (m_pendente != i) {
    // One pending row at a time: the grid stores the other before it moves here.
    if (m_pendente >= 0) throw std::logic_error("Outra linha de dependente pendente");
    m_pendente = i;
    m_inserindo = false;
    m_original = m_linhas[size_t(i)];
  }
  return m_linhas[size_t(i)];
}

void TModeloDependentes::SetTextoCelula(int col, int lin, const QString& texto) {
  const int i = LinhaDados(lin);
  if (lin == 0 || i < 0 || i >= Quantidade()) return;
  // Checked on a copy: a refused text changes nothing.
  TLinhaDependente l = m_linhas[size_t(i)];
  try {
    switch (col) {
      case ColCpf: celulaCpf(l, texto); break;
      case ColNome: celulaNome(l, texto); break;
      case ColDtNascimento: celulaData(l, texto); break;
      case ColRelacao: celulaRelacao(l, texto); break;
      case ColValor: celulaValor(l, texto); break;
      default: return;
    }
  } catch (const TErro& erro) {
    // The grid's editor shows the message and keeps the focus.
    ServicosEditor::RecusaEntrada(erro.Codigo());
    throw;
  }
  editavel(i) = std::move(l);
  emit Mudou();
}

void TModeloDependentes::celulaCpf(TLinhaDependente& l, const QString& texto) {
  const QString digitos = Digitos(texto);
  if (digitos.isEmpty()) {
    l.cpf.clear();
    return;
  }
  TContribuinte cpf(kNiCpf);
  if (const int codigo = cpf.Valida(digitos)) throw TErro(uint16_t(codigo), texto.trimmed());
  const QString formatado = TzuqDependentePlanoSaude::FormataCpf(digitos);
  if (m_titular && digitos == m_titular->GetContribuinte().GetNiDigitos()) throw TErro(kCpfDoTitular, formatado);
  const int outro = m_titular && m_dao ? m_dao->JaExiste(digitos.left(9), m_titular->GetId()) : 0;
  if (outro > 0 && outro != l.id) throw TErro(kCpfRepetido, formatado);
  l.cpf = formatado;
  if (l.nome.trimmed().isEmpty() && m_daoOperadora) l.nome = m_daoOperadora->BuscaNome(digitos, kNiCpf);
}

void TModeloDependentes::celulaNome(TLinhaDependente& l, const QString& texto) {
  QString nome = texto;
  int codigo = TNomeContribuinte::ValidaNome(nome, kNiCpf, true);
  if (codigo == kCaracteresInvalidos) codigo = kCaracteresInvalidosNome;
  if (codigo) throw TErro(uint16_t(codigo), texto);
  l.nome = nome;
}

void TModeloDependentes::celulaData(TLinhaDependente& l, const QString& texto) {
  if (texto.trimmed().isEmpty()) {
    l.dtNascimento.clear();
    l.maiorIdade = false;
    return;
  }
  const QString data = ComBarras(texto);
  const int codigo = TzuqDependentePlanoSaude::ValidaDataNascimento(data, m_anoCalendario, m_temEvento, m_dataEvento);
  if (codigo != 0 && codigo != kAnoAnterior1901 && codigo != kVerifiqueData) throw TErro(uint16_t(codigo), data);
  const QString aaaammdd = TzuqDependentePlanoSaude::DataNascimentoArmazenada(data);
  l.dtNascimento = TzuqDependentePlanoSaude::FormataData(TzuqDependentePlanoSaude::DataParaDDMMAAAA(aaaammdd));
  l.maiorIdade = TzuqDependentePlanoSaude::EhMaiorDeIdade(aaaammdd, m_anoCalendario);
  if (codigo == kVerifiqueData) ExibeMensagem(TErro::FormataMensagem(kVerifiqueData, {}), TipoMensagem::Aviso);
}

void TModeloDependentes::celulaRelacao(TLinhaDependente& l, const QString& texto) {
  const QString codigo = texto.trimmed().left(2);
  if (codigo.isEmpty()) {
    l.relacao.clear();
    l.cdRelacao.clear();
    return;
  }
  const QString descricao = DescreveRelacao(codigo);
  if (descricao.isEmpty()) throw TErro(kRelacaoInvalida, texto);
  l.cdRelacao = descricao.left(2);
  l.relacao = descricao;
}

void TModeloDependentes::celulaValor(TLinhaDependente& l, const QString& texto) {
  TMonetario valor;
  if (!texto.trimmed().isEmpty()) valor.SetValor(texto);
  l.valor = valor.GetValorMonetario();
}

bool TModeloDependentes::CelulaEditavel(int col, int lin) const {
  return col >= 0 && col < kColunas && lin >= 1 && LinhaDados(lin) < Quantidade();
}

QRect TModeloDependentes::GetAreaEditavel() const {
  return QRect(QPoint(0, 1), QPoint(kColunas - 1, Quantidade()));
}

int TModeloDependentes::MaxDigitosInteiros(int col, int) const { return col == ColValor ? 8 : 11; }

TModeloGrid::Pintura TModeloDependentes::PinturaDe(int col, int lin, Estado estado) const {
  Pintura p = TModeloGrid::PinturaDe(col, lin, estado);
  if (lin >= 1 && col == ColValor) p.alinhamento = Pintura::Direita;
  if (lin == 0) p.alinhamento = col == ColValor ? Pintura::Direita : Pintura::Esquerda;
  return p;
}
