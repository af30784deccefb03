#include "relatorios/TRelatorioDeclaracao.h"

#include <QImage>
#include <QPageSize>

#include <algorithm>

#include "nucleo/CaixaMensagem.h"
#include "nucleo/ConexaoDeclaracaoPropria.h"
#include "nucleo/Erros.h"
#include "nucleo/TAnexoFC.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TColecaoTolvItem.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Transacao.h"
#include "plataforma/relatorio/Banda.h"
#include "plataforma/relatorio/FonteRelatorio.h"
#include "plataforma/relatorio/Relatorio.h"
#include "relatorios/SaidaRelatorio.h"

using relatorio::Banda;
using relatorio::FonteRelatorio;
namespace T = TextosRelatorio;

namespace {

const QString kNaoCarregada = QStringLiteral("Não foi possível carregar a declaração a ser impressa.");
constexpr qreal kLinha = 16;
// The logo's height in the heading.
constexpr qreal kLogo = 40;

// A title in bold and the values after it; from the top of their line, so that a value that
// wraps keeps its first line beside its title.
void rotulo(Banda& banda, qreal x, qreal y, qreal largura, const QString& titulo) {
  banda.setFonte(FonteRelatorio(8, true));
  banda.texto(QRectF(x, y, largura, kLinha), titulo, Qt::AlignLeft | Qt::AlignTop);
}

relatorio::ItemBanda& valor(Banda& banda, qreal x, qreal y, qreal largura, const QString& texto) {
  banda.setFonte(FonteRelatorio(8));
  return banda.texto(QRectF(x, y, largura, kLinha), texto, Qt::AlignLeft | Qt::AlignTop);
}

// A long name wraps and the band grows under it; its lines start at the top.
void cresceParaBaixo(relatorio::ItemBanda& item) {
  item.quebraLinha = true;
  item.cresce = true;
  item.alinhamento = Qt::AlignLeft | Qt::AlignTop;
}

}  // namespace

TRelatorioDeclaracao::TRelatorioDeclaracao(TColecaoTolv& indice, Modelo modelo)
    : m_indice(indice), m_modelo(std::move(modelo)), m_relatorio(std::make_unique<relatorio::Relatorio>()) {}

TRelatorioDeclaracao::~TRelatorioDeclaracao() {
  // The declaration's collections end before its connection.
  m_linha.reset();
  m_anexo.reset();
  m_tolv.reset();
  if (m_leitura && m_leitura->ativa()) {
    try {
      m_leitura->commit();
    } catch (const bd::ErroBanco&) {
      // Read only: nothing is lost when the end of the snapshot fails.
    }
  }
  m_leitura.reset();
}

bool TRelatorioDeclaracao::Carrega(const TTolv& chamador) {
  m_erros = std::make_unique<TErros>(false);
  m_tolv = std::make_unique<TTolv>();
  m_tolv->SetErros(m_erros.get());
  m_tolv->SetTolvDK(chamador.GetTolvDK());
  if (chamador.GetTolvDK().isEmpty()) {
    // Without a key: the declarant's number and year, as the index lists them.
    m_tolv->GetContribuinte().SetNiComErro(chamador.GetContribuinte().GetNiDigitos());
    m_tolv->CarregaAnoCalendario(chamador.GetAnoCalendario());
  }
  const bool listada = (!chamador.GetTolvDK().isEmpty() || !chamador.GetContribuinte().GetNiDigitos().isEmpty()) &&
                       m_indice.LeTolv(*m_tolv);
  if (!listada) {
    ExibeMensagem(kNaoCarregada, TipoMensagem::Erro);
    m_tolv.reset();
    return false;
  }
  try {
    m_conexao = std::make_unique<ConexaoDeclaracaoPropria>(m_tolv->GetArquivo());
  } catch (const bd::ErroBanco& e) {
    ExibeMensagem(kNaoCarregada + u'\r' + e.mensagem(), TipoMensagem::Erro);
    m_tolv.reset();
    return false;
  }
  m_tolv->DefineConexaoPropria(&m_conexao->Conexao());
  // One snapshot: every query of the report reads the declaration as it stood when it began.
  m_leitura = std::make_unique<bd::Transacao>(
      m_conexao->Conexao(), QStringList{QStringLiteral("read"), QStringLiteral("concurrency"), QStringLiteral("nowait")});
  m_tolv->CarregaResumos();
  if (m_modelo.linhasDeclarante) {
    TColecaoTolvItem& linhas = m_tolv->GetItens();
    linhas.SetOrdem(TColecaoTolvItem::kPorChave);
    linhas.SetModoLista(true);
    m_anexo = std::make_unique<TAnexoFC>(*m_tolv, int16_t(1));
    m_anexo->SetFonteDK(QStringLiteral("0"));
  }
  if (m_modelo.linhaTrabalho) m_linha = std::make_unique<TTolvItem>(*m_tolv, *m_tolv);
  return true;
}

void TRelatorioDeclaracao::Prepara() {
  relatorio::Relatorio& rel = *m_relatorio;
  rel.definePagina(QPageSize(QPageSize::A4), m_modelo.orientacao, QMarginsF(10, 10, 10, 10));
  rel.setTituloDocumento(m_modelo.titulo);
  rel.aoIniciar = [this] { Reinicia(); };
  Monta();
}

bd::Conexao& TRelatorioDeclaracao::Banco() { return m_conexao->Conexao(); }

TColecaoTolvItem& TRelatorioDeclaracao::Linhas() { return m_tolv->GetItens(); }

int TRelatorioDeclaracao::TipoNi() const { return m_tolv ? m_tolv->GetContribuinte().GetTipo() : 0; }

QString TRelatorioDeclaracao::NiDeclarante() const {
  return m_tolv ? m_tolv->GetContribuinte().GetNiFormatado() : QString();
}

QString TRelatorioDeclaracao::NomeDeclarante() const {
  return m_tolv ? m_tolv->GetContribuinte().GetNome().GetValor() : QString();
}

Banda& TRelatorioDeclaracao::MontaCabecalho(const Cabecalho& opcoes) {
  relatorio::Relatorio& rel = *m_relatorio;
  Banda& banda = rel.cabecalhoPagina();
  const qreal largura = rel.areaUtil().width();
  const QImage logo = SaidaRelatorio() ? SaidaRelatorio()->Logo() : QImage();
  if (!logo.isNull() && logo.height() > 0) banda.imagem(QRectF(0, 0, kLogo * logo.width() / logo.height(), kLogo), logo);
  banda.setFonte(FonteRelatorio(14, true));
  banda.texto(QRectF(0, 0, largura, 24), m_modelo.titulo, Qt::AlignHCenter | Qt::AlignVCenter);
  banda.setFonte(FonteRelatorio(9));
  banda.texto(QRectF(largura - 260, 0, 260, kLinha), T::Tipo(m_tolv->GetTipoDeclaracao()),
              Qt::AlignRight | Qt::AlignVCenter);
  banda.texto(QRectF(largura - 260, kLinha, 260, kLinha), T::Ano(m_tolv->GetAnoCalendario()),
              Qt::AlignRight | Qt::AlignVCenter);
  banda.texto(QRectF(0, 26, largura, kLinha), T::Evento(opcoes.regra, *m_tolv), Qt::AlignHCenter | Qt::AlignVCenter);
  qreal y = 46;
  if (opcoes.identificacao) {
    rotulo(banda, 0, y, 40, T::TituloNumero(TipoNi()));
    valor(banda, 40, y, 150, NiDeclarante());
    rotulo(banda, 200, y, 110, T::TituloNome(TipoNi()));
    const QStringList linhas = opcoes.nomeEmDuasLinhas ? T::LinhasNome(NomeDeclarante()) : QStringList{NomeDeclarante()};
    for (int i = 0; i < linhas.size(); ++i) {
      relatorio::ItemBanda& nome = valor(banda, 310, y + i * kLinha, largura - 310, linhas[i]);
      if (!opcoes.nomeEmDuasLinhas) cresceParaBaixo(nome);
    }
    y += kLinha * qreal(std::max<qsizetype>(1, linhas.size()));
  }
  banda.linha(QPointF(0, y + 3), QPointF(largura, y + 3));
  banda.setAltura(y + 8);
  return banda;
}

Banda& TRelatorioDeclaracao::MontaBandaDeclarante() {
  relatorio::Relatorio& rel = *m_relatorio;
  const qreal largura = rel.areaUtil().width();
  Banda& banda = rel.cabecalhoPagina().adicionaFilha(0);
  // Page 1 of the report: a later batch starts on a later page.
  banda.antesDeImprimir = [&rel] { return rel.numeroPagina() == 1; };
  qreal y = 4;
  rotulo(banda, 0, y, 40, T::TituloNumero(TipoNi()));
  valor(banda, 40, y, 150, NiDeclarante());
  rotulo(banda, 200, y, 110, T::TituloNome(TipoNi()));
  cresceParaBaixo(valor(banda, 310, y, largura - 310, NomeDeclarante()));
  y += kLinha + 4;
  if (TipoNi() == kNiCnpj) {
    // QRLTitRespCNPJ, QRLCPFRespCNPJ, QRLRespCNPJ
    rotulo(banda, 0, y, 190, QStringLiteral("Responsável perante o CNPJ"));
    rotulo(banda, 200, y, 30, QStringLiteral("CPF:"));
    valor(banda, 230, y, 150, m_tolv->GetRespCnpj().GetNiFormatado());
    y += kLinha + 4;
  }
  const T::Responsavel r = T::DoResponsavel(m_tolv->GetResponsavel());
  rotulo(banda, 0, y, largura, QStringLiteral("Responsável pelo preenchimento"));
  y += kLinha;
  rotulo(banda, 0, y, 30, QStringLiteral("CPF:"));
  valor(banda, 30, y, 160, r.cpf);
  rotulo(banda, 200, y, 40, QStringLiteral("Nome:"));
  valor(banda, 240, y, largura - 240, r.nome);
  y += kLinha;
  rotulo(banda, 0, y, 55, QStringLiteral("Telefone:"));
  valor(banda, 55, y, 30, r.ddd);
  valor(banda, 85, y, 105, r.telefone);
  rotulo(banda, 200, y, 40, QStringLiteral("Ramal:"));
  valor(banda, 240, y, 60, r.ramal);
  rotulo(banda, 310, y, 30, QStringLiteral("Fax:"));
  valor(banda, 340, y, 100, r.fax);
  rotulo(banda, 450, y, 45, QStringLiteral("E-mail:"));
  valor(banda, 495, y, largura - 495, r.email);
  y += kLinha;
  banda.linha(QPointF(0, y + 3), QPointF(largura, y + 3));
  banda.setAltura(y + 8);
  return banda;
}

Banda& TRelatorioDeclaracao::MontaRodape(bool comDeclarante) {
  relatorio::Relatorio& rel = *m_relatorio;
  const qreal largura = rel.areaUtil().width();
  Banda& banda = rel.rodapePagina();
  banda.setAltura(22);
  banda.linha(QPointF(0, 2), QPointF(largura, 2));
  banda.setFonte(FonteRelatorio(8));
  banda.campo(QRectF(0, 6, 140, 14),
              [this] { return QStringLiteral("Data: ") + m_data.toString(QStringLiteral("dd/MM/yyyy")); });
  // QRLCnpjDeclaranteFooter
  if (comDeclarante) banda.texto(QRectF(140, 6, 280, 14), T::Declarante(NiDeclarante()));
  banda.texto(QRectF(largura - 230, 6, 100, 14), T::kVersao, Qt::AlignHCenter | Qt::AlignVCenter);
  banda.campo(QRectF(largura - 130, 6, 130, 14), [&rel] { return T::Pagina(rel.numeroPagina(), rel.totalPaginas()); },
              Qt::AlignRight | Qt::AlignVCenter);
  return banda;
}

namespace detalhe {

void Executa(TRelatorioDeclaracao& relatorio, const TTolv& tolv, bool visualiza) {
  if (relatorio.GetModelo().declaracao && !relatorio.Carrega(tolv)) return;
  relatorio.Prepara();
  if (relatorio.SemDados()) {
    MostraMensagem(T::kSemDados, QStringLiteral("Aviso"), 48);
    return;
  }
  ISaidaRelatorio* saida = SaidaRelatorio();
  if (!saida) return;
  if (visualiza)
    saida->Visualiza(relatorio.Relatorio());
  else
    saida->Imprime(relatorio.Relatorio());
}

}  // namespace detalhe
