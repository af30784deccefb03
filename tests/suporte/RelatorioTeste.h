#pragma once

#include <QString>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <iterator>
#include <utility>
#include <vector>

#include "plataforma/relatorio/FonteRelatorio.h"
#include "plataforma/relatorio/Relatorio.h"

// The report engine's own test report: beneficiaries with an amount, grouped by revenue code,
// a total per code and a grand total, a title, page headers with "Página n de N" and page
// footers. Its events keep a diary of what printed on which page (its number in the whole report),
// for tests to compare.
class RelatorioTeste {
 public:
  struct Linha {
    QString codigo;
    QString nome;
    qint64 centavos = 0;
  };

  // Heights of the bands, in 1/96 inch.
  static constexpr qreal kTitulo = 50, kCabecalho = 40, kRodape = 20, kCabecalhoGrupo = 24, kDetalhe = 18,
                         kRodapeGrupo = 22, kResumo = 30;

  // `quantidade` lines spread over `codigos` revenue codes, in code order.
  explicit RelatorioTeste(int quantidade, int codigos = 7) {
    static const char* const kCodigos[] = {"0561", "0588", "1708", "2063", "3208", "3280", "3533", "3540", "5706"};
    const int n = std::max(1, std::min(codigos, int(std::size(kCodigos))));
    for (int i = 0; i < quantidade; ++i) {
      Linha l;
      // Groups of unequal sizes: the first codes hold more lines.
      const double fracao = double(i) / quantidade;
      const int grupo = std::min(n - 1, int(n * fracao * fracao));
      l.codigo = QString::fromLatin1(kCodigos[grupo]);
      l.nome = QStringLiteral("Beneficiário %1").arg(i + 1, 6, 10, QLatin1Char('0'));
      l.centavos = (qint64(i) * 7919) % 100000 + 1;
      linhas.push_back(l);
    }
    monta();
  }
  RelatorioTeste(const RelatorioTeste&) = delete;
  RelatorioTeste& operator=(const RelatorioTeste&) = delete;

  static QString dinheiro(qint64 centavos) {
    QString inteiro = QString::number(centavos / 100);
    for (int p = inteiro.size() - 3; p > 0; p -= 3) inteiro.insert(p, u'.');
    return inteiro + u',' + QStringLiteral("%1").arg(centavos % 100, 2, 10, QLatin1Char('0'));
  }

  // Batches of `tamanho` lines: a batch that leaves lines after it ends by calling fimDoLote;
  // proximoLote moves to the next batch.
  void defineLotes(int tamanho, std::function<void()> fimDoLote) {
    m_lote = tamanho;
    m_fimDoLote = std::move(fimDoLote);
  }
  void proximoLote() { m_inicio += m_lote; }

  std::vector<Linha> linhas;
  relatorio::Relatorio rel;
  // "pagina:evento": T title, C<code> group header, D<n> detail line n (from 1), G<code>=<total>
  // group footer, R=<total> summary, P<n>/<N> page header, F<n> page footer.
  QStringList diario;
  // Off: no diary (a benchmark measures the engine, not the diary).
  bool anotaDiario = true;

 private:
  void anota(const QString& evento) {
    if (anotaDiario) diario << QString::number(rel.numeroPagina()) + u':' + evento;
  }

  void monta() {
    using namespace relatorio;
    rel.setTituloDocumento(QStringLiteral("Relatório de teste"));
    rel.setContaPaginas(true);
    rel.aoIniciar = [this] {
      m_atual = m_inicio - 1;
      m_totalGrupo = m_totalGeral = 0;
      diario.clear();
    };
    rel.proximoRegistro = [this] {
      if (m_lote > 0 && m_atual + 1 >= m_inicio + m_lote && m_atual + 1 < int(linhas.size())) {
        if (m_fimDoLote) m_fimDoLote();
        return false;
      }
      return ++m_atual < int(linhas.size());
    };
    const qreal largura = rel.areaUtil().width();

    Banda& titulo = rel.titulo();
    titulo.setAltura(kTitulo);
    titulo.setFonte(FonteRelatorio(14, true));
    titulo.texto(QRectF(0, 0, largura, kTitulo), QStringLiteral("Relatório de teste do motor"), Qt::AlignCenter);
    titulo.depoisDeImprimir = [this] { anota(QStringLiteral("T")); };

    Banda& cabecalho = rel.cabecalhoPagina();
    cabecalho.setAltura(kCabecalho);
    cabecalho.setFonte(FonteRelatorio(9, true));
    cabecalho.texto(QRectF(0, 0, largura / 2, 20), QStringLiteral("Tolv 2014 - Beneficiários por código"));
    cabecalho.campo(QRectF(largura / 2, 0, largura / 2, 20),
                    [this] { return QStringLiteral("Página %1 de %2").arg(rel.numeroPagina()).arg(rel.totalPaginas()); },
                    Qt::AlignRight | Qt::AlignVCenter);
    cabecalho.linha(QPointF(0, 30), QPointF(largura, 30));
    cabecalho.depoisDeImprimir = [this] {
      anota(QStringLiteral("P%1/%2").arg(rel.numeroPagina()).arg(rel.totalPaginas()));
    };

    GrupoRelatorio& grupo = rel.adicionaGrupo([this] { return QVariant(linhas[m_atual].codigo); });
    grupo.cabecalho().setAltura(kCabecalhoGrupo);
    grupo.cabecalho().setFonte(FonteRelatorio(10, true));
    grupo.cabecalho().setFundo(QColor(0xE9, 0xE9, 0xE9));
    grupo.cabecalho().campo(QRectF(4, 0, largura - 8, kCabecalhoGrupo),
                            [this] { return QStringLiteral("Código de receita ") + linhas[m_atual].codigo; });
    grupo.cabecalho().antesDeImprimir = [this] {
      m_codigoGrupo = linhas[m_atual].codigo;
      m_totalGrupo = 0;
      return true;
    };
    grupo.cabecalho().depoisDeImprimir = [this] { anota(u'C' + m_codigoGrupo); };
    grupo.rodape().setAltura(kRodapeGrupo);
    grupo.rodape().setFonte(FonteRelatorio(9, true));
    grupo.rodape().campo(QRectF(0, 0, largura, kRodapeGrupo),
                         [this] { return QStringLiteral("Total do código %1: %2").arg(m_codigoGrupo, dinheiro(m_totalGrupo)); },
                         Qt::AlignRight | Qt::AlignVCenter);
    grupo.rodape().depoisDeImprimir = [this] { anota(QStringLiteral("G%1=%2").arg(m_codigoGrupo).arg(m_totalGrupo)); };

    Banda& detalhe = rel.detalhe();
    detalhe.setAltura(kDetalhe);
    detalhe.campo(QRectF(10, 0, largura * 0.6, kDetalhe), [this] { return linhas[m_atual].nome; });
    detalhe.campo(QRectF(largura * 0.6, 0, largura * 0.4, kDetalhe), [this] { return dinheiro(linhas[m_atual].centavos); },
                  Qt::AlignRight | Qt::AlignVCenter);
    detalhe.depoisDeImprimir = [this] {
      m_totalGrupo += linhas[m_atual].centavos;
      m_totalGeral += linhas[m_atual].centavos;
      anota(QStringLiteral("D%1").arg(m_atual + 1));
    };

    Banda& resumo = rel.resumo();
    resumo.setAltura(kResumo);
    resumo.setFonte(FonteRelatorio(10, true));
    resumo.campo(QRectF(0, 0, largura, kResumo), [this] { return QStringLiteral("Total geral: ") + dinheiro(m_totalGeral); },
                 Qt::AlignRight | Qt::AlignVCenter);
    resumo.depoisDeImprimir = [this] { anota(QStringLiteral("R=%1").arg(m_totalGeral)); };

    Banda& rodape = rel.rodapePagina();
    rodape.setAltura(kRodape);
    rodape.setFonte(FonteRelatorio(7));
    rodape.texto(QRectF(0, 0, largura, kRodape), QStringLiteral("Relatório gerado pelo Tolv 2014"), Qt::AlignCenter);
    rodape.depoisDeImprimir = [this] { anota(QStringLiteral("F%1").arg(rel.numeroPagina())); };
  }

  int m_atual = -1;
  int m_inicio = 0;
  int m_lote = 0;
  std::function<void()> m_fimDoLote;
  qint64 m_totalGrupo = 0;
  qint64 m_totalGeral = 0;
  QString m_codigoGrupo;
};
