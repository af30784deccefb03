#pragma once

#include <QString>

#include <map>

#include "secoes/IzuqConsultasRemessa.h"

class TErros;
class TTolv;
class TVerificacaoPendencias;

// The items of income received cumulatively of one type (1 paid by the declarant, 2 by court
// order), read in one statement with both names joined (no statement per item), each checked by
// its field, month and consistency rules. An item with findings is listed under the type's title
// (once) and its beneficiary's row. `limpo` is cleared by the first finding; stops before the next
// item once the run is stopped.
void VerificaRra(TTolv& declaracao, int tipo, TErros& erros, TVerificacaoPendencias& verificacao, int& contador,
                 bool& limpo);
// Its statement (parameter :TIPO).
QString ConsultaItensRra();

// The payments to residents abroad: every beneficiary with its payment lines, walked in two reads
// side by side. A beneficiary's findings go under the section's title (once per declaration) and
// the beneficiary's row; a line's under its date. A stored value that a rule cannot read is a
// finding like any other.
void VerificaRemessas(TTolv& declaracao, TErros& erros, TVerificacaoPendencias& verificacao, int& contador,
                      bool& limpo);

// The declaration's reference tables answered once per code for the whole walk: they do not
// change while it runs, and a question per beneficiary would cost a statement each.
class ConsultasDaVerificacao : public IzuqConsultasRemessa {
 public:
  explicit ConsultasDaVerificacao(IzuqConsultasRemessa& banco) : m_banco(banco) {}

  bool ExistePais(int codigo) override {
    return Lembra(m_paises, codigo, [&] { return m_banco.ExistePais(codigo); });
  }
  bool ExistePaisEmCache(int codigo) override { return m_banco.ExistePaisEmCache(codigo); }
  bool ExisteRelacao(const QString& codigo) override {
    return Lembra(m_relacoes, codigo, [&] { return m_banco.ExisteRelacao(codigo); });
  }
  bool BuscaCodigoRetencao(const QString& codigo, TCodigoRetencao& destino) override {
    return m_banco.BuscaCodigoRetencao(codigo, destino);
  }
  std::optional<TzuqFormaTributacao> BuscaFormaTributacao(int codigo) override {
    return m_banco.BuscaFormaTributacao(codigo);
  }
  bool ExisteTipoRendimento(const QString& codigo) override {
    return Lembra(m_tipos, codigo, [&] { return m_banco.ExisteTipoRendimento(codigo); });
  }
  bool ExisteTipoRendimentoEmCache(int codigo) override { return m_banco.ExisteTipoRendimentoEmCache(codigo); }

 private:
  template <class Chave, class Pergunta>
  static bool Lembra(std::map<Chave, bool>& respostas, const Chave& chave, Pergunta pergunta) {
    if (auto it = respostas.find(chave); it != respostas.end()) return it->second;
    const bool resposta = pergunta();
    respostas.emplace(chave, resposta);
    return resposta;
  }

  IzuqConsultasRemessa& m_banco;
  std::map<int, bool> m_paises;
  std::map<QString, bool> m_relacoes;
  std::map<QString, bool> m_tipos;
};
