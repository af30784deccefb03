#include "secoes/TTabelaEditavel.h"

#include <algorithm>
#include <stdexcept>

#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Transacao.h"

namespace {

QString parametro(const QString& coluna) { return QStringLiteral(":") + coluna; }

}  // namespace

TTabelaEditavel::TTabelaEditavel(Definicao definicao) : m_def(std::move(definicao)) {
  m_colunaChave = coluna(m_def.chave);
  if (m_colunaChave < 0) throw std::invalid_argument("a chave não está entre as colunas");
  if (!m_def.colunaMestre.isEmpty()) {
    m_colunaMestre = coluna(m_def.colunaMestre);
    if (m_colunaMestre < 0) throw std::invalid_argument("a coluna do mestre não está entre as colunas");
  }
}

TTabelaEditavel::~TTabelaEditavel() = default;

void TTabelaEditavel::DefineTransacao(bd::Transacao* transacao) {
  if (transacao == m_transacao) return;
  m_transacao = transacao;
  for (auto* c : {&m_leChaves, &m_leLinha, &m_leLinhas, &m_insere, &m_atualiza, &m_exclui}) c->reset();
}

int TTabelaEditavel::coluna(const QString& nome) const {
  for (int i = 0; i < m_def.colunas.size(); ++i)
    if (m_def.colunas[i].compare(nome, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

bd::Consulta& TTabelaEditavel::comando(std::unique_ptr<bd::Consulta>& guardado, const QString& sql) {
  if (!m_transacao) throw std::logic_error("tabela sem transação");
  if (!guardado) guardado = std::make_unique<bd::Consulta>(*m_transacao, sql);
  return *guardado;
}

TTabelaEditavel::Linha TTabelaEditavel::linhaVazia() const { return Linha(m_def.colunas.size()); }

void TTabelaEditavel::leChaves() {
  m_chaves.clear();
  m_memoria.clear();
  const QString onde = m_colunaMestre >= 0 ? QStringLiteral(" WHERE %1 = :MESTRE").arg(m_def.colunaMestre) : QString();
  if (m_def.linhasEmMemoria) {
    bd::Consulta& c = comando(m_leLinhas, QStringLiteral("SELECT %1 FROM %2%3 ORDER BY %4")
                                              .arg(m_def.colunas.join(QStringLiteral(", ")), m_def.tabela, onde,
                                                   m_def.chave));
    if (m_colunaMestre >= 0) c.param(QStringLiteral("MESTRE"), m_mestre);
    c.abre();
    for (; !c.eof(); c.proximo()) {
      Linha linha(m_def.colunas.size());
      for (int i = 0; i < int(linha.size()); ++i) linha[i] = c.campo(i + 1).valor();
      const int chave = int(linha[m_colunaChave].comoInteiro());
      m_chaves.push_back(chave);
      m_memoria.insert(chave, std::move(linha));
    }
    c.fecha();
    return;
  }
  bd::Consulta& c = comando(m_leChaves, QStringLiteral("SELECT %1 FROM %2%3 ORDER BY %1").arg(m_def.chave, m_def.tabela, onde));
  if (m_colunaMestre >= 0) c.param(QStringLiteral("MESTRE"), m_mestre);
  c.abre();
  for (; !c.eof(); c.proximo()) m_chaves.push_back(c.campo(1).inteiro());
  c.fecha();
}

TTabelaEditavel::Linha TTabelaEditavel::leLinha(int chave) {
  if (m_def.linhasEmMemoria) {
    const auto achada = m_memoria.constFind(chave);
    if (achada != m_memoria.cend()) return *achada;
  }
  bd::Consulta& c = comando(m_leLinha, QStringLiteral("SELECT %1 FROM %2 WHERE %3 = :CHAVE")
                                           .arg(m_def.colunas.join(QStringLiteral(", ")), m_def.tabela, m_def.chave));
  c.param(QStringLiteral("CHAVE"), chave);
  c.abre();
  Linha linha = linhaVazia();
  if (!c.eof())
    for (int i = 0; i < int(linha.size()); ++i) linha[i] = c.campo(i + 1).valor();
  c.fecha();
  if (m_def.linhasEmMemoria) m_memoria.insert(chave, linha);
  return linha;
}

void TTabelaEditavel::tornaAtual(int indice) {
  m_indice = indice;
  m_atual = indice >= 0 ? leLinha(m_chaves[indice]) : linhaVazia();
  m_edicao.clear();
  if (m_estado != Estado::Fechada) m_estado = Estado::Navegando;
  if (aposRolar) aposRolar();
}

void TTabelaEditavel::Abre() {
  if (Aberta()) return;
  m_estado = Estado::Navegando;
  leChaves();
  tornaAtual(m_chaves.empty() ? -1 : 0);
}

void TTabelaEditavel::Fecha() {
  m_estado = Estado::Fechada;
  m_chaves.clear();
  m_memoria.clear();
  m_indice = m_indiceAntes = -1;
  m_atual.clear();
  m_edicao.clear();
}

void TTabelaEditavel::DefineMestre(int chaveMestre) {
  m_mestre = chaveMestre;
  if (!Aberta()) return;
  m_edicao.clear();
  m_estado = Estado::Navegando;
  leChaves();
  tornaAtual(m_chaves.empty() ? -1 : 0);
}

int TTabelaEditavel::Posicao() const {
  if (m_estado == Estado::Inserindo) return Quantidade() + 1;
  return m_indice + 1;
}

int TTabelaEditavel::Chave() const {
  if (m_estado == Estado::Inserindo || m_indice < 0) return 0;
  return m_chaves[m_indice];
}

int TTabelaEditavel::IndiceDaChave(int chave) const {
  const auto it = std::lower_bound(m_chaves.begin(), m_chaves.end(), chave);
  return it != m_chaves.end() && *it == chave ? int(it - m_chaves.begin()) : -1;
}

bool TTabelaEditavel::gravaPendente() { return !EmEdicao() || Grava(); }

bool TTabelaEditavel::Primeiro() {
  if (!gravaPendente()) return false;
  tornaAtual(m_chaves.empty() ? -1 : 0);
  return true;
}

bool TTabelaEditavel::Ultimo() {
  if (!gravaPendente()) return false;
  tornaAtual(int(m_chaves.size()) - 1);
  return true;
}

bool TTabelaEditavel::Proximo() {
  if (!gravaPendente()) return false;
  if (m_indice + 1 < int(m_chaves.size())) tornaAtual(m_indice + 1);
  return true;
}

bool TTabelaEditavel::Anterior() {
  if (!gravaPendente()) return false;
  if (m_indice > 0) tornaAtual(m_indice - 1);
  return true;
}

bool TTabelaEditavel::Localiza(int chave) {
  const int indice = IndiceDaChave(chave);
  if (indice < 0) return false;
  if (!gravaPendente()) return false;
  tornaAtual(indice);
  return true;
}

bool TTabelaEditavel::VaiPara(int posicao) {
  if (posicao < 1 || posicao > Quantidade()) return false;
  if (!gravaPendente()) return false;
  tornaAtual(posicao - 1);
  return true;
}

bool TTabelaEditavel::Acrescenta() {
  if (!Aberta()) return false;
  if (!gravaPendente()) return false;
  m_indiceAntes = m_indice;
  m_estado = Estado::Inserindo;
  m_edicao = linhaVazia();
  if (m_colunaMestre >= 0) m_edicao[m_colunaMestre] = m_mestre;
  if (aoAcrescentar) aoAcrescentar();
  return true;
}

void TTabelaEditavel::Edita() {
  if (EmEdicao() || !Aberta() || m_indice < 0) return;
  m_estado = Estado::Editando;
  m_edicao = m_atual;
}

bool TTabelaEditavel::Grava() {
  if (!EmEdicao()) return true;
  if (antesDeGravar && !antesDeGravar()) return false;
  // The refusal may have dropped the edit (a jump to another row).
  if (!EmEdicao()) return false;
  Linha linha = m_edicao;
  int chave = int(linha[m_colunaChave].comoInteiro());
  if (m_estado == Estado::Inserindo) {
    QStringList parametros;
    for (const QString& c : m_def.colunas) parametros << parametro(c);
    bd::Consulta& c = comando(m_insere, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3) RETURNING %4")
                                            .arg(m_def.tabela, m_def.colunas.join(QStringLiteral(", ")),
                                                 parametros.join(QStringLiteral(", ")), m_def.chave));
    for (int i = 0; i < int(linha.size()); ++i) c.param(m_def.colunas[i], linha[i]);
    c.executa();
    chave = c.campo(1).inteiro();
    linha[m_colunaChave] = chave;
    const auto it = std::lower_bound(m_chaves.begin(), m_chaves.end(), chave);
    m_indice = int(it - m_chaves.begin());
    m_chaves.insert(it, chave);
  } else {
    QStringList sets;
    for (int i = 0; i < m_def.colunas.size(); ++i)
      if (i != m_colunaChave) sets << m_def.colunas[i] + QStringLiteral(" = ") + parametro(m_def.colunas[i]);
    bd::Consulta& c = comando(m_atualiza, QStringLiteral("UPDATE %1 SET %2 WHERE %3 = :CHAVE_ANTIGA")
                                              .arg(m_def.tabela, sets.join(QStringLiteral(", ")), m_def.chave));
    for (int i = 0; i < int(linha.size()); ++i)
      if (i != m_colunaChave) c.param(m_def.colunas[i], linha[i]);
    c.param(QStringLiteral("CHAVE_ANTIGA"), m_chaves[m_indice]);
    c.executa();
  }
  // What a trigger made of the row (a number cut to its base) is what the row now shows.
  if (m_def.linhasEmMemoria) m_memoria.remove(chave);
  m_atual = leLinha(chave);
  m_edicao.clear();
  m_estado = Estado::Navegando;
  m_indiceAntes = -1;
  if (aposGravar) aposGravar();
  return true;
}

void TTabelaEditavel::Cancela() {
  if (m_estado == Estado::Inserindo) {
    m_estado = Estado::Navegando;
    m_edicao.clear();
    const int volta = m_indiceAntes >= 0 && m_indiceAntes < Quantidade() ? m_indiceAntes : Quantidade() - 1;
    m_indiceAntes = -1;
    tornaAtual(volta);
    return;
  }
  if (m_estado == Estado::Editando) {
    m_estado = Estado::Navegando;
    m_edicao.clear();
  }
}

void TTabelaEditavel::Exclui() {
  if (m_estado == Estado::Inserindo) {
    Cancela();
    return;
  }
  if (m_indice < 0) return;
  const int chave = m_chaves[m_indice];
  bd::Consulta& c = comando(m_exclui, QStringLiteral("DELETE FROM %1 WHERE %2 = :CHAVE").arg(m_def.tabela, m_def.chave));
  c.param(QStringLiteral("CHAVE"), chave);
  c.executa();
  m_memoria.remove(chave);
  m_chaves.erase(m_chaves.begin() + m_indice);
  m_estado = Estado::Navegando;
  m_edicao.clear();
  tornaAtual(std::min(m_indice, int(m_chaves.size()) - 1));
}

bd::Dado TTabelaEditavel::Valor(const QString& nome) const {
  const int i = coluna(nome);
  if (i < 0) throw std::invalid_argument("coluna desconhecida: " + nome.toStdString());
  const Linha& linha = EmEdicao() ? m_edicao : m_atual;
  return i < int(linha.size()) ? linha[i] : bd::Dado();
}

QString TTabelaEditavel::Texto(const QString& nome) const { return Valor(nome).comoTexto(); }

void TTabelaEditavel::DefineValor(const QString& nome, const bd::Dado& valor) {
  const int i = coluna(nome);
  if (i < 0) throw std::invalid_argument("coluna desconhecida: " + nome.toStdString());
  if (!EmEdicao()) {
    if (m_indice < 0) throw std::logic_error("nenhuma linha para editar");
    Edita();
  }
  m_edicao[i] = valor;
}

bool TTabelaEditavel::Modificada() const {
  if (m_estado == Estado::Inserindo) return true;
  return m_estado == Estado::Editando && !(m_edicao == m_atual);
}

bd::Dado TTabelaEditavel::ValorEm(int posicao, const QString& nome) {
  const int i = coluna(nome);
  if (i < 0 || posicao < 1 || posicao > Quantidade()) return {};
  if (posicao - 1 == m_indice) return (EmEdicao() && m_estado == Estado::Editando ? m_edicao : m_atual)[i];
  return leLinha(m_chaves[posicao - 1])[i];
}
