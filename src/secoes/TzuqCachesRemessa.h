#pragma once

#include <QHash>
#include <QSet>
#include <QString>

#include <optional>

#include "secoes/TzuqFormaTributacao.h"

class TCodigoRetencao;

// The reference tables of the payments abroad as the template ships them, read into memory
// once per process: countries, relation codes, revenue codes, taxation forms and income types.
// All five are read together at the first question, through a connection of their own to the
// template that is closed as soon as they are read, so the template is never held open while a
// declaration is copied from it. A failure to read them ends the process as every collection's.
class TzuqCachesRemessa {
 public:
  static TzuqCachesRemessa& Instancia();
  // Forgets what was read; the next question reads the template again (a new program folder).
  static void Descarta();

  bool ExistePais(int codigo) const { return m_paises.contains(codigo); }
  bool ExisteRelacao(const QString& codigo) const { return m_relacoes.contains(codigo); }
  // Fills code, description, beneficiary kind, fund-or-club flag (annex field) and natures.
  bool BuscaCodigoRetencao(const QString& codigo, TCodigoRetencao& destino) const;
  std::optional<TzuqFormaTributacao> BuscaFormaTributacao(int codigo) const;
  bool ExisteTipoRendimento(int codigo) const { return m_tiposRendimento.contains(codigo); }

 private:
  struct CodigoRetencao {
    QString descricao;
    QString fundoClube;
    QString tipoBeneficiario;
    QString naturezas;
  };

  TzuqCachesRemessa() = default;
  void Le();

  QSet<int> m_paises;
  QSet<QString> m_relacoes;
  QHash<QString, CodigoRetencao> m_codigos;
  QHash<int, TzuqFormaTributacao> m_formas;
  QSet<int> m_tiposRendimento;
};
