#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <vector>

#include "plataforma/bd/Dado.h"

namespace bd {

// An in-memory table of named, typed columns (verification results, rejected lines, search
// results): rows added and removed in memory, moved through both ways, sorted, located, and
// saved to and loaded from an XML data packet. Values are converted to the column's kind
// when set; a text longer than its column's width is cut.
class ConjuntoMemoria {
 public:
  enum class Tipo { Inteiro, Texto, Data, DataHora, DezMilesimos, Booleano, Real };
  struct Coluna {
    QString nome;
    Tipo tipo = Tipo::Texto;
    int tamanho = 0;  // texts: the width; 0 is unlimited
  };

  ConjuntoMemoria() = default;
  explicit ConjuntoMemoria(std::vector<Coluna> colunas);

  void defineColunas(std::vector<Coluna> colunas);  // removes the rows
  void adicionaColuna(const QString& nome, Tipo tipo, int tamanho = 0);
  const std::vector<Coluna>& colunas() const { return m_colunas; }
  int indiceColuna(const QString& nome) const;  // -1 when absent (letter case ignored)

  int quantidade() const { return int(m_linhas.size()); }
  bool vazio() const { return m_linhas.empty(); }
  void limpa();
  void acrescenta();  // a new row of nulls at the end, made current
  void exclui();      // the current row

  bool bof() const { return m_bof; }
  bool eof() const { return m_eof; }
  void primeiro();
  void anterior();
  void proximo();
  void ultimo();
  int posicao() const { return m_atual + 1; }  // 1-based, 0 without a current row
  void vaiPara(int posicao);

  Dado valor(const QString& coluna) const;  // of the current row
  Dado valor(int linha, int coluna) const;  // 0-based
  void define(const QString& coluna, const Dado& v);
  void define(int linha, int coluna, const Dado& v);

  bool localiza(const QString& campos, const QList<Dado>& valores, OpcoesLocaliza opcoes = {});
  // Stable sort on the columns separated by ';'; nulls first. The first row becomes current.
  void ordena(const QString& campos, bool decrescente = false);

  QByteArray xml() const;
  bool deXml(const QByteArray& xml, QString* erro = nullptr);
  // Written to a temporary file and renamed over the target.
  bool salvaXml(const QString& caminho, QString* erro = nullptr) const;
  bool carregaXml(const QString& caminho, QString* erro = nullptr);

 private:
  int exigeColuna(const QString& nome) const;
  int exigeAtual() const;
  Dado converte(int coluna, const Dado& v) const;

  std::vector<Coluna> m_colunas;
  std::vector<std::vector<Dado>> m_linhas;
  int m_atual = -1;
  bool m_bof = true;
  bool m_eof = true;
};

}  // namespace bd
