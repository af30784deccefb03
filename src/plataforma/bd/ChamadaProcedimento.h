#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <memory>

#include "plataforma/bd/Dado.h"

namespace bd {

class Transacao;

// A stored procedure prepared once and run many times, for batches: its inputs live in one
// message buffer and are written into it in place, by position; names are turned into positions
// once (entrada, saida), when it is prepared. Reinicia puts the whole buffer back to its starting
// values at once: texts empty, numbers 0, dates the starting date given (null when none), every
// other kind null. Outputs are read by position after executa. Move-only; the statement goes
// when the object goes or the connection disconnects (executa then prepares again).
class ChamadaProcedimento {
 public:
  ChamadaProcedimento(Transacao& transacao, const QString& nome, const QDate& dataInicial = {});
  ~ChamadaProcedimento();
  ChamadaProcedimento(ChamadaProcedimento&&) noexcept;
  ChamadaProcedimento& operator=(ChamadaProcedimento&&) noexcept;

  const QString& nome() const;
  // Reads the input names, prepares the statement and builds the buffer with the starting values.
  // Raises ErroBanco (an unknown procedure, say).
  void prepara();
  bool preparada() const;

  QStringList entradas() const;  // input names, in order
  int quantidadeEntradas() const;
  // 0-based position of an input or an output, compared without regard to case; ErroBanco when
  // there is none of that name.
  int entrada(const QString& nome) const;
  int saida(const QString& nome) const;
  // The same, -1 when there is none.
  int procuraEntrada(const QString& nome) const;

  // Inputs, by 0-based position. A value that does not fit its input raises ErroBanco.
  void defineNulo(int posicao);
  void defineTexto(int posicao, QStringView texto);
  void defineInteiro(int posicao, int64_t valor);
  // An exact amount, rescaled to the input's scale (rounded half away from zero when it has fewer
  // decimals).
  void defineDezMilesimos(int posicao, int64_t valor);
  // An invalid date goes as null.
  void defineData(int posicao, const QDate& data);
  void define(int posicao, const Dado& valor);
  // What the buffer holds for an input: null, an amount as ten-thousandths, a text.
  bool entradaNula(int posicao) const;
  int64_t dezMilesimosEntrada(int posicao) const;
  QString textoEntrada(int posicao) const;
  QDate dataEntrada(int posicao) const;

  // Every input to its starting value, in one copy.
  void reinicia();
  // Another starting value for an input (null, say, where the procedure has a default of its own).
  void defineInicial(int posicao, const Dado& valor);
  // Every input null.
  void anulaEntradas();

  // Runs the procedure in its transaction (started when it is not active).
  void executa();

  bool saidaNula(int posicao) const;
  int64_t saidaInteiro(int posicao) const;  // null reads 0
  QString saidaTexto(int posicao) const;    // null reads empty

  struct Nucleo;

 private:
  std::unique_ptr<Nucleo> m;
};

}  // namespace bd
