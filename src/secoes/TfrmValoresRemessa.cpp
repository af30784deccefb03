#include "secoes/TfrmValoresRemessa.h"

#include <algorithm>
#include <numeric>

#include "nucleo/CaixaMensagem.h"
#include "nucleo/TCodigoRetencao.h"
#include "nucleo/TTolv.h"
#include "nucleo/ZuqErro.h"
#include "secoes/ConversaoRemessa.h"
#include "secoes/TzuqFormaTributacao.h"
#include "secoes/TzuqTipoRendimento.h"
#include "secoes/TzuqValorRemessa.h"

namespace {

constexpr int kIconeErro = 16;
constexpr int kIconeAviso = 48;

const QString kFormatoData = QStringLiteral("dd/MM/yyyy");

// The field indices that have a control, and so can take the focus.
bool TemControle(int indice) {
  return indice == 0 || indice == 1 || indice == 2 || indice == 4 || indice == 6 || indice == 7;
}

Valor Absoluto(Valor v) { return v.negativo() ? -v : v; }

}  // namespace

bool TfrmValoresRemessa::Linha::Vazia() const {
  return data.isNull() && cdRetencao.isEmpty() && cdTipoRendimento == 0 && rendimentoPago.ehZero() && irrf.ehZero() &&
         cdFormaTributacao == 0;
}

TfrmValoresRemessa::TfrmValoresRemessa() = default;

TfrmValoresRemessa::~TfrmValoresRemessa() = default;

const TfrmValoresRemessa::Linha& TfrmValoresRemessa::LinhaAtual() const {
  static const Linha kNenhuma;
  if (m_edicao) return *m_edicao;
  return m_atual >= 0 ? m_linhas[m_atual] : kNenhuma;
}

QString TfrmValoresRemessa::GetData() const {
  const QDate data = LinhaAtual().data;
  return data.isNull() ? QString() : data.toString(kFormatoData);
}

void TfrmValoresRemessa::SetId(int id) {
  if (m_edicao)
    m_edicao->id = id;
  else if (m_atual >= 0)
    m_linhas[m_atual].id = id;
}

void TfrmValoresRemessa::Posicionar(const QString& id, const QString& indice) {
  Cancela();
  if (!id.isEmpty()) {
    int chave = 0;
    if (ConversaoRemessa::TentaInteiro(id, chave))
      for (int i = 0; i < int(m_linhas.size()); ++i)
        if (m_linhas[i].id == chave) MoveCursor(i);
  }
  int campo = -1;
  m_campoFocado = ConversaoRemessa::TentaInteiro(indice, campo) && TemControle(campo) ? campo : -1;
}

void TfrmValoresRemessa::Limpar() {
  m_linhas.clear();
  m_edicao.reset();
  m_adicionando = false;
  m_atual = -1;
}

void TfrmValoresRemessa::ConcluiCarga() {
  m_edicao.reset();
  m_adicionando = false;
  m_atual = m_linhas.empty() ? -1 : 0;
  bool ok = false;
  const int ano = m_tolv ? m_tolv->GetAnoCalendario().toInt(&ok) : 0;
  if (ok) {
    m_dataMinima = QDate(ano, 1, 1);
    m_dataMaxima = QDate(ano, 12, 31);
  }
  m_habilitado = true;
}

void TfrmValoresRemessa::AdicionaValor(const TzuqValorRemessa& valor) {
  Linha linha;
  linha.id = valor.GetId();
  if (!valor.GetData().isEmpty()) linha.data = QDate::fromString(valor.GetData(), kFormatoData);
  const auto codigo = [](const QString& texto) {
    int n = 0;
    return texto != QStringLiteral("0") && ConversaoRemessa::TentaInteiro(texto, n) ? n : 0;
  };
  if (valor.GetCdRetencao() != QStringLiteral("0")) linha.cdRetencao = valor.GetCdRetencao();
  linha.cdTipoRendimento = codigo(valor.GetCdTipoRendimento());
  linha.cdFormaTributacao = codigo(valor.GetCdFormaTributacao());
  linha.irrf = Valor::tenta(valor.GetVlIrrf()).value_or(Valor());
  linha.rendimentoPago = Valor::tenta(valor.GetVlRendimentoPago()).value_or(Valor());
  m_linhas.push_back(linha);
  Ordena();
}

void TfrmValoresRemessa::AdicionaCodigoRetencao(const TCodigoRetencao& codigo) {
  m_codigos.push_back({codigo.GetCodigo(), codigo.GetResumo(), codigo.GetPfPjAmbos()});
}

void TfrmValoresRemessa::AdicionaTipoRendimento(const TzuqTipoRendimento& tipo) {
  m_tipos.push_back({tipo.codigo, tipo.descricao});
}

void TfrmValoresRemessa::AdicionaFormaTributacao(const TzuqFormaTributacao& forma) {
  m_formas.push_back({forma.codigo, forma.descricao, forma.AdmiteZero(), forma.AdmiteNaoZero()});
}

void TfrmValoresRemessa::MostraErro(const TzuqErro& erro) {
  if (erro.Tipo() != 0)
    MostraMensagem(erro.Mensagem(), QStringLiteral("Aviso"), kIconeAviso);
  else
    MostraMensagem(erro.Mensagem(), QStringLiteral("Erro"), kIconeErro);
  m_erroMostrado = true;
}

void TfrmValoresRemessa::FiltraCodigosRetencao(const QString& tipo) { m_filtroTipo = tipo; }

QString TfrmValoresRemessa::Contador() const {
  const int n = int(m_linhas.size());
  if (m_adicionando || n == 0 || m_atual < 0) return QStringLiteral("%1/%1").arg(n + 1);
  return QStringLiteral("%1/%2").arg(m_atual + 1).arg(n);
}

TfrmValoresRemessa::Navegacao TfrmValoresRemessa::BotoesNavegacao() const {
  const int registros = int(m_linhas.size()) + (m_adicionando ? 1 : 0);
  if (registros == 0 || (registros == 1 && !m_adicionando)) return {};
  if (registros == 1) return {true, true, false, false};
  if (m_adicionando || m_atual == int(m_linhas.size()) - 1) return {true, true, false, false};
  if (m_atual <= 0) return {false, false, true, true};
  return {true, true, true, true};
}

std::vector<TfrmValoresRemessa::CodigoRetencao> TfrmValoresRemessa::CodigosOferecidos() const {
  std::vector<CodigoRetencao> r;
  for (const CodigoRetencao& c : m_codigos)
    if (m_filtroTipo.isEmpty() || c.tipoBeneficiario == QStringLiteral("A") || c.tipoBeneficiario == m_filtroTipo)
      r.push_back(c);
  return r;
}

std::vector<TfrmValoresRemessa::FormaTributacao> TfrmValoresRemessa::FormasOferecidas() const {
  const bool comImposto = LinhaAtual().irrf > Valor();
  std::vector<FormaTributacao> r;
  for (const FormaTributacao& f : m_formas)
    if (comImposto ? f.inNaoZero : f.inZero) r.push_back(f);
  return r;
}

QString TfrmValoresRemessa::DescricaoFormaTributacao() const {
  const int codigo = LinhaAtual().cdFormaTributacao;
  for (const FormaTributacao& f : m_formas)
    if (f.codigo == codigo) return f.descricao;
  return {};
}

Valor TfrmValoresRemessa::SomaRendimentoPago() const {
  Valor soma;
  for (const Linha& l : m_linhas) soma += l.rendimentoPago;
  return soma;
}

Valor TfrmValoresRemessa::SomaIrrf() const {
  Valor soma;
  for (const Linha& l : m_linhas) soma += l.irrf;
  return soma;
}

void TfrmValoresRemessa::Acrescenta() {
  Posta();
  m_edicao = Linha();
  m_adicionando = true;
  m_campoFocado = 0;
}

TfrmValoresRemessa::Linha& TfrmValoresRemessa::Edicao() {
  if (!m_edicao) {
    if (m_atual < 0) {
      m_edicao = Linha();
      m_adicionando = true;
    } else {
      m_edicao = m_linhas[m_atual];
    }
  }
  return *m_edicao;
}

void TfrmValoresRemessa::Cancela() {
  m_edicao.reset();
  m_adicionando = false;
}

void TfrmValoresRemessa::SaiDoCampo(uint8_t indice, bool paraBotao) {
  if (indice == 0 && LinhaAtual().data.isNull()) return;
  if ((indice == 1 || indice == 6) && m_edicao) {
    Valor& v = indice == 1 ? m_edicao->rendimentoPago : m_edicao->irrf;
    v = Absoluto(v);
  }
  if (!paraBotao && m_aoValidarCampo) m_aoValidarCampo(indice);
  if (!paraBotao && m_edicao && !m_edicao->Vazia()) Posta();
  m_erroMostrado = false;
}

void TfrmValoresRemessa::Posta() {
  if (!m_edicao) return;
  if (m_edicao->Vazia()) {
    Cancela();
    return;
  }
  if (m_adicionando) {
    m_linhas.push_back(*m_edicao);
    m_atual = int(m_linhas.size()) - 1;
  } else {
    m_linhas[m_atual] = *m_edicao;
  }
  m_edicao.reset();
  m_adicionando = false;
  Ordena();
}

void TfrmValoresRemessa::Ordena() {
  std::vector<int> ordem(m_linhas.size());
  std::iota(ordem.begin(), ordem.end(), 0);
  std::stable_sort(ordem.begin(), ordem.end(), [this](int a, int b) { return m_linhas[a].data < m_linhas[b].data; });
  std::vector<Linha> ordenadas;
  ordenadas.reserve(m_linhas.size());
  int atual = -1;
  for (int i = 0; i < int(ordem.size()); ++i) {
    if (ordem[i] == m_atual) atual = i;
    ordenadas.push_back(std::move(m_linhas[ordem[i]]));
  }
  m_linhas = std::move(ordenadas);
  m_atual = atual;
}

void TfrmValoresRemessa::MoveCursor(int indice) {
  if (indice < 0 || indice >= int(m_linhas.size())) return;
  m_atual = indice;
}

void TfrmValoresRemessa::Primeiro() {
  Posta();
  MoveCursor(0);
}

void TfrmValoresRemessa::Anterior() {
  Posta();
  MoveCursor(m_atual - 1);
}

void TfrmValoresRemessa::Proximo() {
  Posta();
  MoveCursor(m_atual + 1);
}

void TfrmValoresRemessa::Ultimo() {
  Posta();
  MoveCursor(int(m_linhas.size()) - 1);
}
