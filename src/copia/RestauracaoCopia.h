#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

#include "plataforma/compressao/Descompressor.h"

class TErros;
class TTolv;

// The work of a restore, apart from its window. An archive is first extracted into the data
// folder's TEMP and checked whole: every name it holds and every name its index lists must be a
// declaration database's (or the index's), the index must be there and list only files the
// archive holds, and the data must be of this program's year. Only then is anything of the data
// folder replaced, each file by one checked rename.
class RestauracaoCopia {
 public:
  enum class Tipo { Base, Declaracao };

  // How a step ended. The code is the window's: 0 the archive could not be extracted, 1 it was
  // extracted, 2 the extraction was cancelled, -1 another establishment of the same company
  // stopped the restore. A step can fail with code 1: what came out of the archive was refused,
  // or replacing the files failed.
  static constexpr int kConflito = -1;
  struct Resultado {
    int codigo = compressao::Falhou;
    bool ok = false;
    QString mensagem;  // the reason, for the user; empty after a success or a cancel
  };

  explicit RestauracaoCopia(Tipo tipo);
  ~RestauracaoCopia();
  RestauracaoCopia(const RestauracaoCopia&) = delete;
  RestauracaoCopia& operator=(const RestauracaoCopia&) = delete;

  Tipo GetTipo() const { return m_tipo; }

  // Empties TEMP and extracts the archive there, then checks what came out (above). A failure
  // leaves TEMP empty and the data folder as it was.
  Resultado Extrai(const QString& arquivo, const compressao::Progresso& progresso);
  // Asks the running extraction to stop at its next block.
  void Cancela();

  // After a whole database was extracted: the archive index's declarations and data year.
  int QuantidadeArquivo() const { return m_quantidadeArquivo; }
  int AnoArquivo() const { return m_anoArquivo; }
  // After one declaration was extracted: its database's name and the declaration it holds.
  const QString& Banco() const { return m_banco; }
  TTolv* Declaracao() const { return m_tolv.get(); }

  // Replaces the index and the declaration databases by the extracted ones and deletes the
  // other declaration databases of the data folder (never the template). `passo` is told each
  // file moved. On failure the files not reached yet are as they were.
  Resultado RestauraBase(const std::function<void()>& passo = {});
  // Puts the extracted declaration in place of its database and lists it in the index. A
  // company whose root already has another establishment's declaration of that year stops with
  // kConflito and message 293.
  Resultado RestauraDeclaracao();

  // Empties and removes TEMP; false when something stayed.
  static bool LimpaTemp();

  // The index's rows copied into another index database, in place of its own: TOLVS and
  // RESPONSAVEIS emptied and filled in one transaction, committed after the last row (on failure
  // nothing changed); the key generator follows the copied keys. Used when the index file itself
  // cannot be replaced.
  static bool CopiaLinhasIndice(const QString& origem, const QString& destino, QString* erro);

 private:
  Resultado ConfereBase();
  Resultado ConfereDeclaracao();
  Resultado Falha(const QString& mensagem);

  Tipo m_tipo;
  compressao::Descompressor m_descompressor;
  QString m_indiceExtraido;      // the extracted index's name as the archive spells it
  QStringList m_bancosIndice;    // the archive index's ARQUIVO, in its order
  QStringList m_extraidos;       // names of the extracted files
  int m_quantidadeArquivo = 0;
  int m_anoArquivo = 0;
  QString m_banco;
  std::unique_ptr<TErros> m_erros;
  std::unique_ptr<TTolv> m_tolv;
};
