#include "controles/ImpressaoRelatorio.h"

#include <QDir>

#include "controles/IServicosPrincipal.h"
#include "controles/TZUQSaveDialogBox.h"
#include "nucleo/CaixaMensagem.h"
#include "plataforma/gui/ImpressoraRelatorio.h"
#include "plataforma/relatorio/EscritaPdf.h"
#include "plataforma/relatorio/PaginasRelatorio.h"
#include "plataforma/relatorio/Relatorio.h"
#include "plataforma/sistema/Impressoras.h"

namespace {

QString escolhaPeloDialogo(QWidget* dono, const QString& sugestao) {
  Q_UNUSED(dono);
  TZUQSaveDialogBox* dialogo = TZUQSaveDialogBox::Novo();
  dialogo->SetFilter(QStringLiteral("Documento PDF (*.pdf)"));
  dialogo->SetFilterIndex(1);
  dialogo->SetInitialDir(QDir::homePath());
  dialogo->SetFileName(sugestao);
  if (!dialogo->Execute()) return {};
  QString arquivo = dialogo->FileName();
  if (!arquivo.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) arquivo += QStringLiteral(".pdf");
  return arquivo;
}

EscolhaArquivoPdf& escolhaInstalada() {
  static EscolhaArquivoPdf escolha = escolhaPeloDialogo;
  return escolha;
}

QString sugestaoDe(const QString& titulo) {
  QString nome = titulo.isEmpty() ? QStringLiteral("Relatorio") : titulo;
  for (const QChar c : QStringLiteral("/\\:*?\"<>|")) nome.replace(c, u'_');
  return nome + QStringLiteral(".pdf");
}

bool falha(const QString& erro) {
  ExibeMensagem(QStringLiteral("Não foi possível imprimir o relatório.\r") + erro, TipoMensagem::Erro);
  return false;
}

}  // namespace

EscolhaArquivoPdf DefineEscolhaArquivoPdf(EscolhaArquivoPdf escolha) {
  EscolhaArquivoPdf anterior = std::move(escolhaInstalada());
  escolhaInstalada() = escolha ? std::move(escolha) : EscolhaArquivoPdf(escolhaPeloDialogo);
  return anterior;
}

bool ImprimeRelatorio(relatorio::Relatorio& relatorio, QWidget* dono) {
  if (!dono) dono = JanelaDona();
  const QString impressora = ImpressoraAtual();
  QString erro;
  if (impressora == kImpressoraPdf) {
    const QString arquivo = escolhaInstalada()(dono, sugestaoDe(relatorio.tituloDocumento()));
    if (arquivo.isEmpty()) return false;
    return relatorio::EscrevePdf(relatorio, arquivo, &erro) || falha(erro);
  }
  return ImprimeNaImpressora(relatorio, impressora, &erro) || falha(erro);
}

bool ImprimePaginas(const relatorio::PaginasRelatorio& paginas, int de, int ate, const QString& titulo, QWidget* dono,
                    const QString& impressora) {
  if (!dono) dono = JanelaDona();
  const QString nome = impressora.isEmpty() ? ImpressoraAtual() : impressora;
  QString erro;
  if (nome == kImpressoraPdf) {
    const QString arquivo = escolhaInstalada()(dono, sugestaoDe(titulo));
    if (arquivo.isEmpty()) return false;
    return relatorio::GravaPdf(paginas, de, ate, arquivo, titulo, &erro) || falha(erro);
  }
  return ImprimePaginasNaImpressora(paginas, de, ate, nome, titulo, &erro) || falha(erro);
}
