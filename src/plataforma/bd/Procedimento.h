#pragma once

#include <QString>
#include <QStringList>

#include <memory>

#include "plataforma/bd/Campo.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Dado.h"

namespace bd {

class Transacao;
namespace interno {
struct NucleoConexao;
}

// A stored procedure run with EXECUTE PROCEDURE: inputs set by name (without regard to case)
// or by position, an input never set goes as null; outputs read by name or position after
// executa(), and kept after the transaction ends. The input names are read from the database
// once per procedure and connection. Move-only.
class Procedimento {
 public:
  Procedimento();
  Procedimento(Transacao& transacao, const QString& nome);
  ~Procedimento();
  Procedimento(Procedimento&&) noexcept;
  Procedimento& operator=(Procedimento&&) noexcept;

  void defineTransacao(Transacao* transacao);
  void defineNome(const QString& nome);
  const QString& nome() const { return m_nome; }

  void prepara();
  bool preparada() const;
  QStringList entradas();  // input names, in order

  void param(const QString& nome, const Dado& valor);  // raises when the name is not an input
  void param(int posicao, const Dado& valor);          // 1-based
  Dado valorParametro(const QString& nome);
  void limpaParametros();

  void executa();

  int quantidadeSaidas() const;
  Campo saida(const QString& nome) const;  // raises when the name is not an output
  Campo saida(int posicao) const;          // 1-based

 private:
  QString m_nome;
  Consulta m_consulta;
  QStringList m_entradas;
  // The connection (and its generation) for which the input names were read.
  std::shared_ptr<interno::NucleoConexao> m_conexaoNomes;
  uint64_t m_geracaoNomes = 0;
};

}  // namespace bd
